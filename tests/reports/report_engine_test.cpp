// The report engine: templates, bands growing and breaking, data sets, page visibility, appending,
// cross tabs, callbacks.
#include "formula/float_errors.h"
#include "reports/engine/report.h"
#include "reports/engine/text_layout.h"
#include "report_test_support.h"
#include "text/language.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr double kTolerance = 1e-6;

const TPreparedText* FindPlaced(const TPreparedPage& sheet, const QString& text)
{
    for (const auto& placed : sheet.Texts)
        if (placed.Text == text)
            return &placed;
    return nullptr;
}

// A data set over count records that writes "<prefix> <recNo>" into field before each band.
TReportDataSet CountingDataSet(TReport& report, const QString& field, const QString& prefix, const int& count)
{
    auto write = [&report, field, prefix, &count](int recNo) {
        if (recNo < count)
            report.FindText(field)->SetText(prefix + u' ' + QString::number(recNo));
    };
    return {write, write, [&count](int recNo) { return recNo >= count; }};
}

TEST(ReportTemplate, LoadsGoodTemplatesAndNamesTheFileOfBadOnes)
{
    IsUkrainian = true;
    struct Case {
        const char* What;
        std::optional<QByteArray> Content; // none: the file is missing
        bool Loads;
        QString Fragment; // expected in the message
    };
    const QByteArray good = ReportXml(PortraitPage(u"Page1"_s, u"<data height=\"10\"><text name=\"A\">x</text></data>"_s));
    const std::vector<Case> cases = {
        {"good template", good, true, {}},
        {"missing file", std::nullopt, false, u"Не вдалося відкрити"_s},
        {"not XML", QByteArray("FastReport binary \x01\x02"), false, u"пошкоджений"_s},
        {"cut short", good.left(good.size() / 2), false, u"пошкоджений XML"_s},
        {"other root", QByteArray("<report/>"), false, u"<ormeta-report>"_s},
        {"no pages", ReportXml({}), false, u"жодної сторінки"_s},
        {"unknown attribute", ReportXml(PortraitPage(u"P"_s, u"<data heigth=\"1\"/>"_s)), false, u"heigth"_s},
        {"unknown element", ReportXml(PortraitPage(u"P"_s, u"<memo name=\"M\"/>"_s)), false, u"<memo>"_s},
        {"repeated name", ReportXml(PortraitPage(u"P"_s, u"<text name=\"A\"/><text name=\"A\"/>"_s)), false,
         u"A повторюється"_s},
        {"bad number", ReportXml(PortraitPage(u"P"_s, u"<data height=\"1,5\"/>"_s)), false, u"height"_s},
        {"bad flag", ReportXml(PortraitPage(u"P"_s, u"<data height=\"1\" grows=\"yes\"/>"_s)), false, u"grows"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"data_report1.fr3"_s);
        if (c.Content) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.Content);
        }
        MessageRecorder recorder;
        TReport report;
        EXPECT_EQ(report.LoadFromFile(path), c.Loads);
        EXPECT_EQ(report.IsLoaded(), c.Loads);
        if (c.Loads) {
            EXPECT_TRUE(recorder.Messages.isEmpty());
            EXPECT_NE(report.FindText(u"A"_s), nullptr);
            continue;
        }
        ASSERT_EQ(recorder.Messages.size(), 1);
        EXPECT_TRUE(recorder.Messages[0].contains(u"data_report1.fr3"_s)) << recorder.Messages[0].toStdString();
        EXPECT_TRUE(recorder.Messages[0].contains(c.Fragment)) << recorder.Messages[0].toStdString();
    }
}

TEST(ReportTemplate, MessagesFollowTheLanguage)
{
    MessageRecorder recorder;
    TReport report;
    IsUkrainian = false;
    report.LoadFromFile(u"/nonexistent/data_report2.fr3"_s);
    IsUkrainian = true;
    ASSERT_EQ(recorder.Messages.size(), 1);
    EXPECT_TRUE(recorder.Messages[0].startsWith(u"Не удалось открыть шаблон отчета \"data_report2.fr3\""_s));
}

TEST(ReportTemplate, LoadingDiscardsTheTemplateHeldBefore)
{
    MessageRecorder recorder;
    TReport report;
    ASSERT_TRUE(report.LoadFromXml(ReportXml(PortraitPage(u"P"_s, u"<text name=\"Old\"/>"_s)), u"a.fr3"_s));
    EXPECT_FALSE(report.LoadFromFile(u"/nonexistent/b.fr3"_s));
    EXPECT_EQ(report.FindObject(u"Old"_s), nullptr);
    EXPECT_FALSE(report.Prepare());
    EXPECT_TRUE(report.PreparedPages().empty());
}

TEST(ReportLayout, GrowingFieldPushesWhatIsBelowItDown)
{
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Band1" height="20" grows="true">
          <text name="Long" left="0" top="5" width="60" height="6" grows="true" size="12"/>
          <text name="Below" left="0" top="12" width="60" height="5">below</text>
          <text name="Beside" left="100" top="12" width="60" height="5">beside</text>
        </data>
        <data name="Band2" height="10"><text name="Next" width="60" height="5">next</text></data>)"_s);
    TReport report;
    ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
    report.FindText(u"Long"_s)->SetText(QString(u"слово "_s).repeated(60));
    ASSERT_TRUE(report.Prepare());
    ASSERT_EQ(report.PreparedPages().size(), 1u);
    const auto& sheet = report.PreparedPages()[0];
    const auto* longText = FindPlaced(sheet, QString(u"слово "_s).repeated(60));
    const auto* below = FindPlaced(sheet, u"below"_s);
    const auto* beside = FindPlaced(sheet, u"beside"_s);
    const auto* next = FindPlaced(sheet, u"next"_s);
    ASSERT_TRUE(longText && below && beside && next);
    EXPECT_GT(longText->Rect.height(), 20);
    EXPECT_NEAR(below->Rect.top() - longText->Rect.bottom(), 1, kTolerance);
    EXPECT_NEAR(beside->Rect.top(), 10 + 12, kTolerance); // not under the field: stays
    EXPECT_NEAR(next->Rect.top(), below->Rect.bottom(), kTolerance);
    EXPECT_NEAR(longText->Rect.left(), 15, kTolerance);
}

TEST(ReportLayout, DataBandsBreakOntoNewSheetsUnderTheirPageHeader)
{
    // 259.4 mm of printable height, 30 of them for the page header and 10 for the footer: four 50 mm rows a sheet.
    const QString page = PortraitPage(u"P"_s, uR"(
        <page-header height="30"><text name="Head" width="100" height="8">head [Page#]/[TotalPages#]</text></page-header>
        <data name="Rows" dataset="Rows" height="50"><text name="Row" width="100" height="8"/></data>
        <page-footer height="10"><text name="Foot" width="100" height="5">foot</text></page-footer>)"_s);
    struct Case {
        int Rows;
        size_t Sheets;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{4, 1}, Case{5, 2}, Case{8, 2}, Case{9, 3}}) {
        SCOPED_TRACE(c.Rows);
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
        report.SetDataSet(u"Rows"_s, CountingDataSet(report, u"Row"_s, u"row"_s, c.Rows));
        ASSERT_TRUE(report.Prepare());
        const auto& sheets = report.PreparedPages();
        ASSERT_EQ(sheets.size(), c.Sheets);
        int row = 0;
        for (size_t s = 0; s < sheets.size(); ++s) {
            const QStringList texts = SheetTexts(sheets[s]);
            EXPECT_EQ(texts.value(0), u"head %1/%2"_s.arg(s + 1).arg(c.Sheets));
            for (int k = 1; k + 1 < texts.size(); ++k)
                EXPECT_EQ(texts[k], u"row %1"_s.arg(row++));
            EXPECT_EQ(texts.back(), u"foot"_s);
            EXPECT_NEAR(sheets[s].Texts.back().Rect.top(), 10 + 259.4 - 10, kTolerance);
        }
        EXPECT_EQ(row, c.Rows);
    }
}

TEST(ReportLayout, HeaderIsNotLeftAloneAtTheFootOfASheet)
{
    // 259.4 mm of room: after 240 mm there is room for the 10 mm header but not for it and its first row.
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Filler" height="%1"/>
        <data name="Rows" dataset="Rows" height="15">
          <header name="Head" height="10"><text name="H" width="50" height="5">heading</text></header>
          <text name="Row" width="50" height="5"/>
        </data>)"_s);
    struct Case {
        int Filler;
        size_t HeadingSheet;
    };
    for (const Case c : {Case{200, 0}, Case{240, 1}}) {
        SCOPED_TRACE(c.Filler);
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(page.arg(c.Filler)), u"t.fr3"_s));
        const int rows = 1;
        report.SetDataSet(u"Rows"_s, CountingDataSet(report, u"Row"_s, u"row"_s, rows));
        ASSERT_TRUE(report.Prepare());
        const auto& sheets = report.PreparedPages();
        ASSERT_EQ(sheets.size(), c.HeadingSheet + 1);
        EXPECT_EQ(SheetTexts(sheets[c.HeadingSheet]), QStringList({u"heading"_s, u"row 0"_s}));
    }
}

TEST(ReportLayout, TextTallerThanASheetIsCutBetweenLines)
{
    const QString page = PortraitPage(u"P"_s, uR"(
        <page-header height="30"><text name="Head" width="100" height="8">head</text></page-header>
        <data name="Band" height="10" grows="true">
          <text name="Label" width="60" height="5">label</text>
          <text name="Long" top="6" width="60" height="4" grows="true" size="12" frame="all"/>
        </data>)"_s);
    TReport report;
    ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
    QStringList words;
    for (int i = 0; i < 800; ++i)
        words << u"w%1"_s.arg(i, 3, 10, QChar(u'0'));
    report.FindText(u"Long"_s)->SetText(words.join(u' '));
    ASSERT_TRUE(report.Prepare());
    const auto& sheets = report.PreparedPages();
    ASSERT_GE(sheets.size(), 3u); // about 160 lines of 5 mm
    QStringList printed;
    for (const auto& sheet : sheets) {
        EXPECT_EQ(SheetTexts(sheet).value(0), u"head"_s);
        for (const auto& text : sheet.Texts) {
            EXPECT_LE(text.Rect.bottom(), sheet.Height - 10 + kTolerance);
            if (text.Text.startsWith(u'w'))
                printed << text.Text.split(u' ', Qt::SkipEmptyParts);
        }
    }
    EXPECT_EQ(printed, words); // every word once, in order
}

TEST(ReportDataSets, MasterAndDetailRecordsWithTheEngineCounter)
{
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Master" dataset="Cards" height="10">
          <header name="MasterHeader" height="6"><text name="MH" width="50" height="5">cards</text></header>
          <text name="Card" width="50" height="5"/>
          <data name="Detail" dataset="Rows" height="5">
            <header name="DetailHeader" height="5"><text name="DH" width="50" height="5">rows</text></header>
            <text name="Row" left="10" width="50" height="5"/>
          </data>
          <footer name="MasterFooter" height="6"><text name="MF" width="50" height="5">end</text></footer>
        </data>)"_s);
    struct Case {
        std::vector<int> RowsPerCard;
        QStringList Texts;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{0}, {u"cards"_s, u"card 0"_s, u"end"_s}},
        {{2, 0, 3},
         {u"cards"_s, u"card 0"_s, u"rows"_s, u"row 0.0"_s, u"row 0.1"_s, u"card 1"_s, u"card 2"_s, u"rows"_s,
          u"row 2.0"_s, u"row 2.1"_s, u"row 2.2"_s, u"end"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.RowsPerCard.size());
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
        QStringList calls;
        const int cards = static_cast<int>(c.RowsPerCard.size());
        int card = -1;
        auto writeCard = [&](const char* name, int recNo) {
            calls << u"%1 %2 (%3)"_s.arg(QLatin1StringView(name)).arg(recNo).arg(report.RecNo(u"Cards"_s));
            card = recNo;
            if (recNo < cards)
                report.FindText(u"Card"_s)->SetText(u"card %1"_s.arg(recNo));
        };
        report.SetDataSet(u"Cards"_s, {[&](int r) { writeCard("first", r); }, [&](int r) { writeCard("next", r); },
                                       [&](int r) {
                                           calls << u"eof %1"_s.arg(r);
                                           return r >= cards;
                                       }});
        auto writeRow = [&](int recNo) {
            if (recNo < c.RowsPerCard[static_cast<size_t>(card)])
                report.FindText(u"Row"_s)->SetText(u"row %1.%2"_s.arg(card).arg(recNo));
        };
        report.SetDataSet(u"Rows"_s, {writeRow, writeRow, [&](int recNo) {
                                          return recNo >= c.RowsPerCard[static_cast<size_t>(card)];
                                      }});
        ASSERT_TRUE(report.Prepare());
        EXPECT_EQ(AllTexts(report.PreparedPages()), c.Texts);
        QStringList expectedCalls{u"first 0 (0)"_s, u"eof 0"_s};
        for (int r = 1; r <= cards; ++r)
            expectedCalls << u"next %1 (%1)"_s.arg(r) << u"eof %1"_s.arg(r);
        EXPECT_EQ(calls, expectedCalls);
    }
}

TEST(ReportDataSets, FailuresStopThePreparationAndKeepWhatWasPrepared)
{
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Rows" dataset="Rows" height="100"><text name="Row" width="50" height="5"/></data>
        <data name="Other" dataset="Unregistered" height="5"/>)"_s);
    struct Case {
        const char* What;
        int FailingRecord; // -1: none, the second band's data set is the fault
        QString Fragment;
        size_t Sheets;
    };
    for (const Case& c : {Case{"division by zero in a callback", 3, u"Ділення на нуль."_s, 2},
                          Case{"data set not registered", -1, u"Unregistered"_s, 3}}) {
        SCOPED_TRACE(c.What);
        MessageRecorder recorder;
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
        auto write = [&](int recNo) {
            if (recNo == c.FailingRecord)
                CheckedDivide(1, 0);
            report.FindText(u"Row"_s)->SetText(u"row %1"_s.arg(recNo));
        };
        report.SetDataSet(u"Rows"_s, {write, write, [](int recNo) { return recNo >= 5; }});
        EXPECT_FALSE(report.Prepare());
        ASSERT_EQ(recorder.Messages.size(), 1);
        EXPECT_TRUE(recorder.Messages[0].contains(c.Fragment)) << recorder.Messages[0].toStdString();
        EXPECT_EQ(report.PreparedPages().size(), c.Sheets);
        EXPECT_EQ(AllTexts(report.PreparedPages()).value(0), u"row 0"_s);
    }
}

TEST(ReportPages, HiddenPagesAreNotPrinted)
{
    QString pages;
    for (const char* name : {"Page1", "Page2", "Page3"})
        pages += PortraitPage(QLatin1StringView(name),
                              u"<data height=\"10\"><text width=\"50\" height=\"5\" name=\"T%1\">%1</text></data>"_s.arg(
                                  QLatin1StringView(name)));
    struct Case {
        QStringList Hidden;
        QStringList Texts;
    };
    const std::vector<Case> cases = {
        {{}, {u"Page1"_s, u"Page2"_s, u"Page3"_s}},
        {{u"Page2"_s}, {u"Page1"_s, u"Page3"_s}},
        {{u"Page1"_s, u"Page2"_s, u"Page3"_s}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hidden.join(u',').toStdString());
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(pages), u"t.fr3"_s));
        for (const auto& name : c.Hidden)
            EXPECT_TRUE(report.SetPageVisible(name, false));
        EXPECT_FALSE(report.SetPageVisible(u"Page9"_s, false));
        ASSERT_TRUE(report.Prepare());
        EXPECT_EQ(AllTexts(report.PreparedPages()), c.Texts);
        EXPECT_EQ(report.PreparedPages().size(), static_cast<size_t>(c.Texts.size()));
    }
}

TEST(ReportPages, AppendedReportsShareThePageNumbering)
{
    const QString line = u"<page-header height=\"10\"><text name=\"%1\" width=\"80\" height=\"5\">Сторінка: "
                         u"[Page#] із [TotalPages#]</text></page-header>"_s;
    const QByteArray first = ReportXml(PortraitPage(u"A1"_s, line.arg(u"L1"_s)) + PortraitPage(u"A2"_s, line.arg(u"L2"_s)));
    const QByteArray second =
        ReportXml(u"<page name=\"B1\" orientation=\"landscape\">%1</page>"_s.arg(line.arg(u"L3"_s)));
    TReport report;
    ASSERT_TRUE(report.LoadFromXml(first, u"data_report1.fr3"_s));
    ASSERT_TRUE(report.Prepare());
    ASSERT_TRUE(report.LoadFromXml(second, u"data_report2.fr3"_s));
    ASSERT_TRUE(report.Prepare(true));
    ASSERT_TRUE(report.Prepare(true));
    EXPECT_EQ(AllTexts(report.PreparedPages()),
              QStringList({u"Сторінка: 1 із 4"_s, u"Сторінка: 2 із 4"_s, u"Сторінка: 3 із 4"_s, u"Сторінка: 4 із 4"_s}));
    EXPECT_TRUE(report.PreparedPages()[2].Landscape);
    EXPECT_NEAR(report.PreparedPages()[2].Width, 279.4, kTolerance);

    ASSERT_TRUE(report.Prepare(false)); // fresh: the sheets before are discarded
    EXPECT_EQ(AllTexts(report.PreparedPages()), QStringList({u"Сторінка: 1 із 1"_s}));
}

TEST(ReportCrossTab, BreaksAcrossFirstThenDown)
{
    // 195.9 mm across: nine 21.2 mm columns fit; 259.4 mm down: 44 rows of 5.8 mm.
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Band" height="5" grows="true"><crosstab name="Grid" header-rows="%1" header-columns="%1"/></data>
        )"_s);
    struct Piece {
        int FirstRow; // first row below the header rows
        int FirstColumn;
        int LastColumn;
    };
    struct Case {
        int Rows, Columns, Headers;
        std::vector<Piece> Pieces; // one per sheet
    };
    const std::vector<Case> cases = {
        {3, 5, 0, {{0, 0, 4}}},
        {3, 12, 0, {{0, 0, 8}, {0, 9, 11}}},
        {100, 3, 0, {{0, 0, 2}, {44, 0, 2}, {88, 0, 2}}},
        {100, 12, 0, {{0, 0, 8}, {0, 9, 11}, {44, 0, 8}, {44, 9, 11}, {88, 0, 8}, {88, 9, 11}}},
        {60, 12, 1, {{1, 1, 8}, {1, 9, 11}, {44, 1, 8}, {44, 9, 11}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(u"%1 x %2, headers %3"_s.arg(c.Rows).arg(c.Columns).arg(c.Headers).toStdString());
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(page.arg(c.Headers)), u"t.fr3"_s));
        report.SetBeforePrint([&](TReportObject& object) {
            if (object.Name != u"Grid"_s)
                return;
            auto& grid = static_cast<TReportCrossTab&>(object);
            grid.Clear();
            for (int column = 0; column < c.Columns; ++column)
                for (int row = 0; row < c.Rows; ++row)
                    grid.SetCell(row, column, u"%1:%2"_s.arg(row).arg(column));
        });
        ASSERT_TRUE(report.Prepare());
        const auto& sheets = report.PreparedPages();
        ASSERT_EQ(sheets.size(), c.Pieces.size());
        for (size_t s = 0; s < sheets.size(); ++s) {
            const auto& piece = c.Pieces[s];
            const QStringList texts = SheetTexts(sheets[s]);
            const int columns = piece.LastColumn - piece.FirstColumn + 1 + (piece.FirstColumn > 0 ? c.Headers : 0);
            ASSERT_EQ(texts.size() % columns, 0);
            const int firstDataCell = c.Headers * columns + (piece.FirstColumn > 0 ? c.Headers : 0);
            EXPECT_EQ(texts.value(firstDataCell), u"%1:%2"_s.arg(piece.FirstRow).arg(piece.FirstColumn));
            EXPECT_EQ(texts.value(columns - 1), u"%1:%2"_s.arg(c.Headers ? 0 : piece.FirstRow).arg(piece.LastColumn));
            if (c.Headers) {
                EXPECT_EQ(texts.value(0), u"0:0"_s); // the header corner is repeated on every piece
            }
            for (const auto& cell : sheets[s].Texts) {
                EXPECT_EQ(cell.Frame, FrameAll);
                EXPECT_LE(cell.Rect.right(), sheets[s].Width - 5 + kTolerance);
                EXPECT_LE(cell.Rect.bottom(), sheets[s].Height - 10 + kTolerance);
            }
        }
    }
}

TEST(ReportCrossTab, ColumnsWidenToTheirTexts)
{
    TReport report;
    ASSERT_TRUE(report.LoadFromXml(
        ReportXml(PortraitPage(u"P"_s, u"<data height=\"5\"><crosstab name=\"Grid\" left=\"9\" top=\"2\"/></data>"_s)),
        u"t.fr3"_s));
    auto* grid = report.FindCrossTab(u"Grid"_s);
    ASSERT_NE(grid, nullptr);
    grid->SetCell(0, 0, u"1"_s);
    grid->SetCell(1, 1, u"a rather long heading of a column"_s);
    ASSERT_TRUE(report.Prepare());
    const auto& texts = report.PreparedPages()[0].Texts;
    ASSERT_EQ(texts.size(), 4u); // missing cells are printed empty
    EXPECT_NEAR(texts[0].Rect.left(), 15 + 9, kTolerance);
    EXPECT_NEAR(texts[0].Rect.top(), 10 + 2, kTolerance);
    EXPECT_NEAR(texts[0].Rect.width(), 21.2, kTolerance);
    EXPECT_NEAR(texts[0].Rect.height(), 5.8, kTolerance);
    EXPECT_GT(texts[1].Rect.width(), 40);
    EXPECT_NEAR(texts[1].Rect.width(), texts[3].Rect.width(), kTolerance);
}

TEST(ReportCallbacks, VariablesBeforePrintAndLiteralTexts)
{
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Band" height="30">
          <text name="Title" width="150" height="5">[Title] / [Unknown] / [Date]</text>
          <text name="Written" top="5" width="50" height="5"/>
          <text name="Moved" top="10" width="50" height="5">moved</text>
          <text name="Hidden" top="15" width="50" height="5">hidden</text>
          <text name="Label" top="20" width="5" height="5" widens="true" bold="true">Результат: </text>
          <text name="Value" top="20" width="60" height="5" follows="Label">12,5 +/- 0,1</text>
          <text name="Under" top="25" width="60" height="5" left-as="Value">( k=2, p=0,95)</text>
        </data>)"_s);
    TReport report;
    ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
    report.FindText(u"Written"_s)->SetText(u"[Title] stays"_s);
    report.SetVariableValue([](const QString& name) -> std::optional<QString> {
        if (name == u"Title"_s)
            return u"Звіт з оцінки"_s;
        return std::nullopt;
    });
    QStringList seen;
    report.SetBeforePrint([&](TReportObject& object) {
        seen << object.Name;
        if (object.Name == u"Moved"_s)
            object.Left = 40;
        if (object.Name == u"Hidden"_s)
            object.Visible = false;
    });
    ASSERT_TRUE(report.Prepare());
    const auto& sheet = report.PreparedPages()[0];
    const QStringList texts = SheetTexts(sheet);
    ASSERT_EQ(texts.size(), 6);
    EXPECT_TRUE(texts[0].startsWith(u"Звіт з оцінки / [Unknown] / "_s)) << texts[0].toStdString();
    EXPECT_FALSE(texts[0].contains(u"[Date]"_s));
    EXPECT_EQ(texts[1], u"[Title] stays"_s);
    EXPECT_NEAR(sheet.Texts[2].Rect.left(), 15 + 40, kTolerance);
    EXPECT_FALSE(texts.contains(u"hidden"_s));
    const auto& label = sheet.Texts[3];
    const auto& value = sheet.Texts[4];
    const auto& under = sheet.Texts[5];
    EXPECT_GT(label.Rect.width(), 15);
    EXPECT_NEAR(value.Rect.left(), label.Rect.right(), kTolerance);
    EXPECT_NEAR(under.Rect.left(), value.Rect.left(), kTolerance);
    EXPECT_EQ(seen, QStringList({u"Band"_s, u"Title"_s, u"Written"_s, u"Moved"_s, u"Hidden"_s, u"Label"_s, u"Value"_s,
                                 u"Under"_s}));
}

TEST(ReportCallbacks, HiddenBandIsSkippedWithItsDetails)
{
    const QString page = PortraitPage(u"P"_s, uR"(
        <data name="Header6" height="10"><text name="H" width="50" height="5">heading</text></data>
        <data name="Body" height="10"><text name="B" width="50" height="5">body</text></data>)"_s);
    for (bool shown : {true, false}) {
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(ReportXml(page), u"t.fr3"_s));
        report.FindBand(u"Header6"_s)->Visible = shown;
        ASSERT_TRUE(report.Prepare());
        EXPECT_EQ(AllTexts(report.PreparedPages()),
                  shown ? QStringList({u"heading"_s, u"body"_s}) : QStringList({u"body"_s}));
        EXPECT_NEAR(report.PreparedPages()[0].Texts.back().Rect.top(), shown ? 20 : 10, kTolerance);
    }
}

TEST(ReportLayout, PicturesKeepTheirProportions)
{
    // At 96 pixels per inch 800 × 500 pixels are 211.67 × 132.29 mm.
    struct Case {
        const char* What;
        QString Attributes;
        QSize Pixels;
        QRectF Expected; // on the landscape sheet (margins 10)
    };
    const double mmPerPixel = 25.4 / 96;
    const std::vector<Case> cases = {
        {"smaller than its frame: natural size, centred", u"width=\"195.9\" height=\"44\""_s, {400, 100},
         QRectF(10 + (195.9 - 400 * mmPerPixel) / 2, 10 + (44 - 100 * mmPerPixel) / 2, 400 * mmPerPixel,
                100 * mmPerPixel)},
        {"wider than its frame: shrunk to the width", u"width=\"195.9\" height=\"44\""_s, {1000, 100},
         QRectF(10, 10 + (44 - 19.59) / 2, 195.9, 19.59)},
        {"stretched to the frame's height", u"width=\"100\" height=\"40\" stretch=\"true\""_s, {100, 100},
         QRectF(10 + 30, 10, 40, 40)},
        {"sized by its picture and centred on the page", u"top=\"53\" autosize=\"true\" place=\"center\""_s,
         {800, 500}, QRectF(10 + (259.4 - 800 * mmPerPixel) / 2, 10 + 53, 800 * mmPerPixel, 500 * mmPerPixel)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TReport report;
        ASSERT_TRUE(report.LoadFromXml(
            ReportXml(u"<page name=\"P\" orientation=\"landscape\"><picture name=\"Picture1\" %1/></page>"_s.arg(
                c.Attributes)),
            u"t.fr3"_s));
        QImage image(c.Pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        report.FindPicture(u"Picture1"_s)->Image = image;
        ASSERT_TRUE(report.Prepare());
        const auto& images = report.PreparedPages()[0].Images;
        ASSERT_EQ(images.size(), 1u);
        EXPECT_NEAR(images[0].Rect.left(), c.Expected.left(), 0.01);
        EXPECT_NEAR(images[0].Rect.top(), c.Expected.top(), 0.01);
        EXPECT_NEAR(images[0].Rect.width(), c.Expected.width(), 0.01);
        EXPECT_NEAR(images[0].Rect.height(), c.Expected.height(), 0.01);
    }
}

} // namespace
