// The texts the report's data sets write: cards, parameter rows, observation and budget rows.
#include "reports/feeds/report_feeds.h"
#include "reports/feeds/report_texts.h"
#include "text/language.h"
#include "text/number_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace {

std::map<std::string, std::string> AsMap(const TFieldTexts& fields)
{
    return {fields.begin(), fields.end()};
}

TOrmetaTypeB TypeB(uint8_t distribution, bool halfWidth)
{
    TOrmetaTypeB input;
    input.Name = "t";
    input.Unit = "°C";
    input.Distribution = distribution;
    input.HalfWidthForm = halfWidth;
    input.ParamA = 20.5;
    input.ParamB = 0.25;
    input.ParamP = 0.95;
    return input;
}

class ReportFeeds : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsUkrainian = true;
        SetRegionalSeparators({".", ","});
    }
    void TearDown() override { IsUkrainian = true; }
};

TEST_F(ReportFeeds, PercentagesRoundToThreeDecimalsAndSurviveAZeroTotal)
{
    struct Case {
        double Sensitivity, Uncertainty, Total;
        std::string Percent;
    };
    for (const Case& c : {Case{1, 0.0625, 0.5, "12.5"}, Case{-2, 1, 6, "33.333"}, Case{1, 2, 3, "66.667"},
                          Case{0, 5, 3, "0"}, Case{1, 1, 1, "100"}, Case{1, 1, 0, "-"}}) {
        TOrmetaTypeA input;
        input.Sensitivity = c.Sensitivity;
        input.StdUncertainty = c.Uncertainty;
        const InputView view{InputKind::TypeA, 0, &input};
        EXPECT_EQ(PercentText(view, {"mg", c.Total}), c.Percent) << c.Sensitivity << " " << c.Total;
    }
}

TEST_F(ReportFeeds, TypeBParameterRowsByDistributionAndForm)
{
    struct Case {
        uint8_t Distribution;
        bool HalfWidth;
        std::string Card;
        std::array<std::string, 6> Rows; // Memo34 … Memo39
    };
    const std::vector<Case> cases = {
        {DistNormal, false, "Нормальний",
         {"Ймовірність:", "0.95", "Верхня межа:", "20.5  °C", "Нижня межа:", "0.25  °C"}},
        {DistNormal, true, "Нормальний",
         {"Ймовірність:", "0.95", "Центр інтервалу:", "20.5  °C", "Півширина інтервалу:", "0.25  °C"}},
        {DistTriangular, false, "Трикутний",
         {"Верхня межа інтервалу:", "20.5  °C", "Нижня межа інтервалу:", "0.25  °C", "", ""}},
        {DistUniform, true, "Рівномірний",
         {"Центр інтервалу:", "20.5  °C", "Півширина інтервалу:", "0.25  °C", "", ""}},
        {DistUShaped, false, "U-подібний", {"Підсилення (A):", "0.95", "", "", "", ""}},
        {DistTrapezoidal, false, "Трапецієвидний",
         {"Центр інтервалу:", "0.95  °C", "a1:", "20.5  °C", "a2:", "0.25  °C"}},
        {DistNone, false, "", {"", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Distribution));
        const auto fields = AsMap(TypeBCardFields(TypeB(c.Distribution, c.HalfWidth), {"K", 1}));
        EXPECT_EQ(fields.count("Memo21") ? fields.at("Memo21") : "", c.Card);
        const char* names[] = {"Memo34", "Memo35", "Memo36", "Memo37", "Memo38", "Memo39"};
        for (size_t i = 0; i < 6; ++i)
            EXPECT_EQ(fields.at(names[i]), c.Rows[i]) << names[i]; // present even when empty: a previous card is cleared
        EXPECT_EQ(fields.at("Memo17"), "Тип B");
    }
}

TEST_F(ReportFeeds, CardsWriteUnitsKindsAndTheObservationHeading)
{
    TOrmetaTypeA a;
    a.Description = "Маса\nдругий рядок";
    a.Name = "m";
    a.Unit = "";
    a.Sensitivity = 2;
    a.StdUncertainty = 0.5;
    const auto typeA = AsMap(TypeACardFields(a, {"г", 4}));
    EXPECT_EQ(typeA.at("Memo72"), "Маса\nдругий рядок");
    EXPECT_EQ(typeA.at("Memo76"), "Тип A");
    EXPECT_EQ(typeA.at("Memo78"), FormatNumber(0) + "  "); // an empty unit keeps its two spaces
    EXPECT_EQ(typeA.at("Memo86"), FormatNumber(1) + "  г");
    EXPECT_EQ(typeA.at("Memo88"), "25 %");
    EXPECT_EQ(typeA.at("Memo31"), "  Значення, ");

    TOrmetaCalc nested;
    nested.OutputName = "V";
    nested.OutputUnit = "мл";
    nested.CoverageMethod = MethodStudent;
    nested.Sensitivity = -1;
    nested.CombinedUncertainty = 2;
    IsUkrainian = false;
    const auto card = AsMap(NestedCardFields(nested, {"г", 4}));
    EXPECT_EQ(card.at("Memo108"), "Вычисляется");
    EXPECT_EQ(card.at("Memo112"), "Распределение Стюдента");
    EXPECT_EQ(card.at("Memo114"), FormatNumber(2) + "  мл");
    EXPECT_EQ(card.at("Memo120"), "50 %");

    TOrmetaTypeG g;
    g.Unit = "мг/л";
    const auto calibration = AsMap(CalibrationCardFields(g, {"г", 4}));
    EXPECT_EQ(calibration.at("Memo137"), "Калибровочная");
    EXPECT_EQ(calibration.at("Memo151"), "  Значение, мг/л");
}

TEST_F(ReportFeeds, ObservationAndBudgetRows)
{
    TOrmetaCalc calc;
    auto& a = *calc.TypeA.emplace_back(std::make_unique<TOrmetaTypeA>());
    a.Name = "x1";
    a.Count = 5;
    a.Observations = {1.5, 2, 0.001, 4, 5};
    auto& b = *calc.TypeB.emplace_back(std::make_unique<TOrmetaTypeB>());
    b.Name = "x2";
    b.Distribution = DistUShaped;
    auto& n = *calc.Nested.emplace_back(std::make_unique<TOrmetaCalc>());
    n.OutputName = "x3";
    n.CoverageMethod = MethodStudent;
    n.EffectiveDof = 12;

    struct Case {
        int RecNo;
        std::string Number, Value;
    };
    for (const Case& c : {Case{0, "1", "1.5"}, Case{2, "3", "0.001"}, Case{5, "", ""}}) {
        const auto row = AsMap(ObservationRowFields(a, c.RecNo));
        EXPECT_EQ(row.count("Memo32") ? row.at("Memo32") : "", c.Number);
        EXPECT_EQ(row.count("Memo33") ? row.at("Memo33") : "", c.Value);
    }
    EXPECT_TRUE(ObservationRowFields(TOrmetaTypeA{}, 0).empty()); // Count 0: a card without rows

    struct BudgetCase {
        int RecNo;
        std::string Name, Distribution, Dof;
    };
    for (const BudgetCase& c : {BudgetCase{0, "x1", "Нормальний", "4"}, BudgetCase{1, "x2", "U-розподіл", "Безмежність"},
                                BudgetCase{2, "x3", "Розподіл Ст'юдента", "12"}}) {
        const auto row = AsMap(BudgetRowFields(calc, c.RecNo, {"", 0}));
        EXPECT_EQ(row.at("Memo60"), c.Name);
        EXPECT_EQ(row.at("Memo63"), c.Distribution);
        EXPECT_EQ(row.at("Memo96"), c.Dof);
        EXPECT_EQ(row.at("Memo66"), "-");
    }
    EXPECT_TRUE(BudgetRowFields(calc, 3, {"", 1}).empty());
}

TEST_F(ReportFeeds, PrintedSourceIsAPlainSubstringTest)
{
    struct Case {
        const char* Name;
        bool NoNestedDetail;
        const char* Formula;
        bool Printed;
    };
    for (const Case& c : {Case{"x1", true, "x10+x2", true}, Case{"X2", true, "x10+x2", false},
                          Case{"y", true, "x10+x2", false}, Case{"y", false, "x10+x2", true}})
        EXPECT_EQ(IsPrintedSource(c.Name, c.NoNestedDetail, c.Formula), c.Printed) << c.Name;
}

TEST_F(ReportFeeds, VariablesInBothLanguagesAndNothingForOtherNames)
{
    struct Case {
        const char* Name;
        std::optional<std::string> Ukrainian, Russian;
    };
    const std::vector<Case> cases = {
        {"Title", "Звіт з оцінки невизначеності вимірювання", "Отчет по оценке неопределенности измерения"},
        {"Sign", "Підпис виконавця:", "Подпись исполнителя:"},
        {"Page_R", "Сторінка", "Страница"},
        {"Page_F", "із", "из"},
        {"title", std::nullopt, std::nullopt},
        {"Date", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        IsUkrainian = true;
        EXPECT_EQ(ReportVariableValue(c.Name), c.Ukrainian) << c.Name;
        IsUkrainian = false;
        EXPECT_EQ(ReportVariableValue(c.Name), c.Russian) << c.Name;
    }
    EXPECT_TRUE(ReportVariableValue("Aut").has_value());
}

TEST_F(ReportFeeds, RussianTextsNameEachFieldOnce)
{
    std::set<std::string> fields;
    for (const auto& [field, text] : RussianReportTexts()) {
        EXPECT_TRUE(fields.insert(field).second) << field;
        EXPECT_FALSE(text.empty()) << field;
    }
    const auto memo12 = std::find_if(RussianReportTexts().begin(), RussianReportTexts().end(),
                                     [](const auto& entry) { return entry.first == "Memo12"; });
    ASSERT_NE(memo12, RussianReportTexts().end());
    EXPECT_EQ(memo12->second, "Отчет составил" + std::string(30, '_'));
}

} // namespace
