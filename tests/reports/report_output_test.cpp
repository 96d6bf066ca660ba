// What leaves the engine: PDF and RTF files, the preview window.
#include "reports/engine/TReportPreview.h"
#include "reports/engine/report.h"
#include "reports/engine/report_export.h"
#include "reports/engine/rtf_writer.h"
#include "report_test_support.h"
#include "ui/common/file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Three sheets: a portrait one with a picture, a landscape one, and a second portrait one.
std::vector<TPreparedPage> SampleSheets()
{
    const QString pages = PortraitPage(u"P1"_s, uR"(
        <page-header height="20"><text name="Head" width="195.9" height="8" frame="all" align="center"
          valign="middle" bold="true">Звіт з оцінки невизначеності {x} \ [Page#] із [TotalPages#]</text></page-header>
        <data name="Band" height="60"><picture name="Picture1" width="50" height="40"/>
          <text name="Body" left="60" width="100" height="20">Опис: ASCII text
another line</text></data>)"_s) +
                          u"<page name=\"P2\" orientation=\"landscape\"><data height=\"10\"><text name=\"Wide\" "
                          u"width=\"200\" height=\"5\">Матриця</text></data></page>"_s +
                          PortraitPage(u"P3"_s, u"<data height=\"10\"><text name=\"End\" width=\"50\" height=\"5\">"
                                                u"Кінець</text></data>"_s);
    TReport report;
    if (!report.LoadFromXml(ReportXml(pages), u"sample.fr3"_s))
        return {};
    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(QColor(16, 114, 85));
    report.FindPicture(u"Picture1"_s)->Image = image;
    report.Prepare();
    return report.PreparedPages();
}

TEST(ReportOutput, PdfHasOneSheetPerPreparedPage)
{
    const auto sheets = SampleSheets();
    ASSERT_EQ(sheets.size(), 3u);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"report.pdf"_s);
    QString error;
    ASSERT_TRUE(WritePdfFile(sheets, path, error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const auto pages = QRegularExpression(u"/Type\\s*/Page[^s]"_s).globalMatch(QString::fromLatin1(pdf));
    int count = 0;
    for (auto it = pages; it.hasNext(); it.next())
        ++count;
    EXPECT_EQ(count, static_cast<int>(sheets.size()));
}

TEST(ReportOutput, FailedWritesNameTheFileAndLeaveOldFilesAlone)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(u"old.pdf"_s);
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old content");
    }
    struct Case {
        const char* What;
        QString Path;
        std::vector<TPreparedPage> Sheets;
        bool Pdf;
    };
    const std::vector<Case> cases = {
        {"PDF into a missing folder", dir.filePath(u"no/such/report.pdf"_s), SampleSheets(), true},
        {"RTF into a missing folder", dir.filePath(u"no/such/report.rtf"_s), SampleSheets(), false},
        {"PDF without sheets over an old file", existing, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        QString error;
        EXPECT_FALSE(c.Pdf ? WritePdfFile(c.Sheets, c.Path, error) : WriteRtfFile(c.Sheets, c.Path, error));
        EXPECT_TRUE(error.contains(QFileInfo(c.Path).fileName())) << error.toStdString();
    }
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old content"));
}

// Braces balance when escaped ones are skipped, and no group closes before it opens.
bool BracesBalance(const QByteArray& rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

TEST(ReportOutput, RtfKeepsTextsSheetsAndPictures)
{
    const auto sheets = SampleSheets();
    ASSERT_EQ(sheets.size(), 3u);
    const QByteArray rtf = RtfDocument(sheets);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(BracesBalance(rtf));
    struct Expected {
        const char* What;
        QByteArray Fragment;
    };
    const std::vector<Expected> expected = {
        {"Cyrillic as \\uN", "\\u1047?\\u1074?\\u1110?\\u1090?"}, // "Звіт"
        {"ASCII as is", "ASCII text\\line another line"},
        {"braces and backslashes escaped", "\\{x\\} \\\\ "},
        {"page numbers resolved", "1 \\u1110?\\u1079? 3"},
        {"the picture", "{\\pict\\pngblip\\picw80\\pich60"},
        {"positioned frames", "\\pvpg\\phpg\\posx"},
        {"a border", "\\brdrt\\brdrs"},
        {"the landscape sheet", "\\lndscpsxn"},
        {"the creator", "Ormeta 1.5"},
    };
    for (const auto& e : expected)
        EXPECT_TRUE(rtf.contains(e.Fragment)) << e.What;
    EXPECT_EQ(rtf.count("\\sect\\sectd"), static_cast<qsizetype>(sheets.size() - 1));
    for (char c : rtf)
        ASSERT_GE(static_cast<unsigned char>(c), 0x0A) << "RTF is 7-bit text";
    EXPECT_TRUE(BracesBalance(RtfDocument({})));
}

TEST(ReportPreview, NavigatesAndExportsThroughTheFileDialog)
{
    auto sheets = SampleSheets();
    ASSERT_EQ(sheets.size(), 3u);
    TReportPreview preview(sheets);
    EXPECT_EQ(preview.CurrentPage(), 0);
    for (const auto& [to, expected] : std::vector<std::pair<int, int>>{{1, 1}, {99, 2}, {-5, 0}}) {
        preview.ShowPage(to);
        EXPECT_EQ(preview.CurrentPage(), expected);
    }
    const double natural = preview.Scale();
    preview.SetZoom(200);
    EXPECT_NEAR(preview.Scale(), 2 * natural, 1e-9);

    QTemporaryDir dir;
    QString answer;
    SetFileDialogHandler([&](FileDialogKind kind, QWidget*, const QString&, const QString&) {
        EXPECT_EQ(kind, FileDialogKind::Save);
        return answer;
    });
    MessageRecorder recorder;
    struct Case {
        QString Answer;
        QString Written; // empty: nothing is written
        bool Pdf;
    };
    const std::vector<Case> cases = {
        {dir.filePath(u"звіт"_s), dir.filePath(u"звіт.pdf"_s), true},
        {dir.filePath(u"звіт.rtf"_s), dir.filePath(u"звіт.rtf"_s), false},
        {{}, {}, true},
    };
    for (const auto& c : cases) {
        answer = c.Answer;
        c.Pdf ? preview.ExportPdf() : preview.ExportRtf();
        if (!c.Written.isEmpty()) {
            EXPECT_GT(QFileInfo(c.Written).size(), 100) << c.Written.toStdString();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(recorder.Messages.isEmpty());
    SetFileDialogHandler({});
}

} // namespace

// RTF has half points only: a size between them is rounded down, so that a word processor does not
// wrap a text that was measured to fit and cut its last line.
TEST(ReportOutput, RtfFontSizesNeverExceedTheMeasuredOnes)
{
    const std::pair<double, const char*> cases[] = {{10, "\\fs20 "}, {11.25, "\\fs22 "}, {9.75, "\\fs19 "},
                                                    {18.75, "\\fs37 "}, {8.5, "\\fs17 "}};
    for (const auto& [size, fragment] : cases) {
        TPreparedPage sheet;
        TPreparedText text;
        text.Rect = QRectF(10, 10, 50, 5);
        text.Text = u"11 Dec 2026"_s;
        text.Font.Size = size;
        sheet.Texts.push_back(text);
        EXPECT_TRUE(RtfDocument({sheet}).contains(fragment)) << size;
    }
}

// A word processor paints frames opaquely: the rule under the date and signature line of the title
// must not lie over them, as its tall empty field does in the layout.
TEST(ReportOutput, RtfRuleDoesNotCoverTheTextsAboveIt)
{
    TPreparedPage sheet;
    TPreparedText date;
    date.Rect = QRectF(15, 41.6, 20, 5);
    date.Text = u"11.12.2026"_s;
    TPreparedText rule;
    rule.Rect = QRectF(15, 44.6, 195.9, 2);
    rule.Frame = FrameBottom;
    rule.Font.Size = 18.75;
    sheet.Texts = {date, rule};
    const QString rtf = QString::fromLatin1(RtfDocument({sheet}));
    const QRegularExpression frame(u"\\\\posy(\\d+)\\\\absw\\d+\\\\absh-(\\d+)"_s);
    std::vector<std::pair<int, int>> spans; // top and bottom, twips
    for (auto it = frame.globalMatch(rtf); it.hasNext();) {
        const auto match = it.next();
        const int top = match.captured(1).toInt();
        spans.emplace_back(top, top + match.captured(2).toInt());
    }
    ASSERT_EQ(spans.size(), 2u);
    const int overlap = std::min(spans[0].second, spans[1].second) - std::max(spans[0].first, spans[1].first);
    EXPECT_LE(overlap, 6) << "twips"; // 0.1 mm: the rule's hairline
    EXPECT_TRUE(rtf.contains(u"\\brdrb"_s));
}
