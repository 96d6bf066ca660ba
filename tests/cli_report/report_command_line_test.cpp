// `ormeta report`: the examples written as PDF and RTF in both languages, the parts the options leave
// out or add, and the failures that must not leave a report behind.
#include "files/evaluation_file.h"
#include "model/constructors.h"
#include "model/list_operations.h"
#include "reports/engine/report.h"
#include "reports/report_cli/report_command_line.h"
#include "text/language.h"
#include "text/number_format.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace Qt::StringLiterals;

namespace {

const QString kTemplates = QStringLiteral(ORMETA_BINARY_DIR "/src");
const std::string kExamples = ORMETA_SOURCE_DIR "/examples/";

// Sheets recognised by a text only they carry (Ukrainian template texts).
const QString kCardSheet = u"Опис джерела (складової) невизначеності:"_s;
const QString kCorrelationSheet = u"Матриця кореляції джерел невизначеності"_s;
const QString kBudgetSheet = u"Бюджет невизначеності"_s;
const QString kParetoSheet = u"Діаграма Парето вкладів джерел(складових) невизначеності в сумарну невизначеність"_s;
const QString kTitleSheet = u"Звіт з оцінки невизначеності вимірювання"_s;

bool SheetHas(const TPreparedPage& sheet, const QString& text)
{
    for (const auto& field : sheet.Texts)
        if (field.Text == text)
            return true;
    return false;
}

int SheetsWith(const std::vector<TPreparedPage>& sheets, const QString& text)
{
    int count = 0;
    for (const auto& sheet : sheets)
        count += SheetHas(sheet, text) ? 1 : 0;
    return count;
}

int FieldsStartingWith(const std::vector<TPreparedPage>& sheets, const QString& start)
{
    int count = 0;
    for (const auto& sheet : sheets)
        for (const auto& field : sheet.Texts)
            count += field.Text.startsWith(start) ? 1 : 0;
    return count;
}

class ReportCommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        SetRegionalSeparators({".", ","});
        IsUkrainian = true;
    }
    void TearDown() override { IsUkrainian = true; }

    int Write(const std::vector<std::string>& args, const QString& templates = kTemplates)
    {
        Err.str({});
        return WriteReportCommand(args, templates, Err);
    }
    std::vector<TPreparedPage> Pages(const TReportOptions& options)
    {
        TReport report;
        Err.str({});
        const int status = PrepareCommandReport(options, kTemplates, report, Err);
        EXPECT_EQ(status, ExitSuccess) << Err.str();
        return report.PreparedPages();
    }
    std::string Path(const QString& name) const { return Folder.filePath(name).toStdString(); }
    QByteArray Contents(const std::string& path) const
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Folder;
    std::ostringstream Err;
};

TEST_F(ReportCommandLine, WritesEveryExampleAsPdfAndRtfInBothLanguages)
{
    for (const char* example : {"thermometer", "power_with_shunt", "photometric_iron"})
        for (const char* lang : {"uk", "ru"}) {
            const std::string source = kExamples + example + ".orm";
            const std::string pdf = Path(u"%1_%2.pdf"_s.arg(QLatin1StringView(example), QLatin1StringView(lang)));
            const std::string rtf = Path(u"%1_%2.RTF"_s.arg(QLatin1StringView(example), QLatin1StringView(lang)));
            ASSERT_EQ(Write({source, "-o", pdf, "--lang", lang}), ExitSuccess) << example << ' ' << lang << Err.str();
            EXPECT_TRUE(Contents(pdf).startsWith("%PDF-")) << pdf;
            ASSERT_EQ(Write({"--lang", lang, "-o", rtf, source}), ExitSuccess) << example << ' ' << lang << Err.str();
            const QByteArray document = Contents(rtf);
            EXPECT_TRUE(document.startsWith("{\\rtf1")) << rtf;
            EXPECT_TRUE(document.trimmed().endsWith('}')) << rtf;
        }
}

TEST_F(ReportCommandLine, ReportsInTheChosenLanguage)
{
    TReportOptions options;
    options.File = kExamples + "thermometer.orm";
    IsUkrainian = false;
    const auto russian = Pages(options);
    EXPECT_EQ(SheetsWith(russian, u"Бюджет неопределенности"_s), 1);
    EXPECT_EQ(SheetsWith(russian, kBudgetSheet), 0);
    IsUkrainian = true;
    EXPECT_EQ(SheetsWith(Pages(options), kBudgetSheet), 1);
}

TEST_F(ReportCommandLine, TheOptionsChooseTheParts)
{
    TReportOptions options;
    options.File = kExamples + "power_with_shunt.orm";
    const auto all = Pages(options);
    EXPECT_GE(SheetsWith(all, kCardSheet), 1);
    EXPECT_EQ(SheetsWith(all, kParetoSheet), 1);

    options.Sources = false;
    options.Pareto = false;
    const auto bare = Pages(options);
    ASSERT_EQ(bare.size(), 3u); // title, correlation, budget
    EXPECT_TRUE(SheetHas(bare[0], kTitleSheet));
    EXPECT_TRUE(SheetHas(bare[1], kCorrelationSheet));
    EXPECT_TRUE(SheetHas(bare[2], kBudgetSheet));
}

TEST_F(ReportCommandLine, NestedAppendsOneReportPerDirectChild)
{
    auto grandChild = CreateCalc("", "G", "V");
    grandChild->ModelFormula = "d";
    AddTypeB(*grandChild, *CreateTypeB("V", "", "d", DistUniform, {1, 0.1, 0}, true, 0));
    auto first = CreateCalc("", "N1", "V");
    first->ModelFormula = "c+G";
    AddTypeB(*first, *CreateTypeB("V", "", "c", DistUniform, {2, 0.1, 0}, true, 0));
    AddNested(*first, *grandChild);
    auto second = CreateCalc("", "N2", "V");
    second->ModelFormula = "e";
    AddTypeB(*second, *CreateTypeB("V", "", "e", DistUniform, {3, 0.1, 0}, true, 0));
    auto calc = CreateCalc("", "Y", "V");
    calc->ModelFormula = "a+N1+N2";
    AddTypeB(*calc, *CreateTypeB("V", "", "a", DistUniform, {10, 0.1, 0}, true, 0));
    AddNested(*calc, *first);
    AddNested(*calc, *second);
    TReportOptions options;
    options.File = Path(u"nested.orm"_s);
    SaveEvaluationToFile(*calc, options.File);

    EXPECT_EQ(FieldsStartingWith(Pages(options), u"Опис вкладеного оцінювання"_s), 0);
    options.Nested = true;
    const auto pages = Pages(options);
    EXPECT_EQ(FieldsStartingWith(pages, u"Опис вкладеного оцінювання N1:"_s), 1);
    EXPECT_EQ(FieldsStartingWith(pages, u"Опис вкладеного оцінювання N2:"_s), 1);
    EXPECT_EQ(FieldsStartingWith(pages, u"Опис вкладеного оцінювання"_s), 2); // G is not appended
    EXPECT_EQ(SheetsWith(pages, kBudgetSheet), 3);
    EXPECT_EQ(SheetsWith(pages, kParetoSheet), 1);
}

TEST_F(ReportCommandLine, RefusesWrongArguments)
{
    const std::string source = kExamples + "thermometer.orm";
    const std::vector<std::vector<std::string>> cases = {
        {},
        {source},
        {source, "-o"},
        {source, "-o", Path(u"report.txt"_s)},
        {source, "-o", Path(u"report"_s)},
        {source, source, "-o", Path(u"report.pdf"_s)},
        {source, "-o", Path(u"report.pdf"_s), "--pareto"},
        {source, "-o", Path(u"report.pdf"_s), "--lang", "de"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(Write(args), ExitUsage) << args.size();
        EXPECT_NE(Err.str().find("ormeta report"), std::string::npos) << Err.str();
    }
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"report.pdf"_s)));
}

TEST_F(ReportCommandLine, FailuresLeaveNoReport)
{
    const std::string pdf = Path(u"report.pdf"_s);
    EXPECT_EQ(Write({Path(u"missing.orm"_s), "-o", pdf}), ExitFileUnreadable);
    EXPECT_NE(Err.str().find("missing.orm"), std::string::npos) << Err.str();

    auto unnamed = CreateCalc("", "", "");
    SaveEvaluationToFile(*unnamed, Path(u"unnamed.orm"_s));
    EXPECT_EQ(Write({Path(u"unnamed.orm"_s), "-o", pdf}), ExitNotCalculable);

    const std::string source = kExamples + "thermometer.orm";
    EXPECT_EQ(Write({source, "-o", pdf}, Folder.filePath(u"no-templates"_s)), ExitNotCalculable);
    EXPECT_NE(Err.str().find("data_report1.fr3"), std::string::npos) << Err.str();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));

    EXPECT_EQ(Write({source, "-o", Path(u"no-folder/report.rtf"_s)}), ExitNotCalculable);
    EXPECT_NE(Err.str().find("report.rtf"), std::string::npos) << Err.str();
}

} // namespace
