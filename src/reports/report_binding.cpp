#include "reports/report_binding.h"

#include "reports/feeds/report_texts.h"
#include "ui/common/text_convert.h"

#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

void WriteFields(TReport& report, const TFieldTexts& fields)
{
    for (const auto& [name, text] : fields) {
        TReportText* field = report.FindText(ToQt(name));
        if (field == nullptr)
            throw std::runtime_error(
                ToStd(Tr2("Шаблон звіту не має поля %1.", "В шаблоне отчета нет поля %1.").arg(ToQt(name))));
        field->SetText(ToQt(text));
    }
}

void FillCrossTab(TReportCrossTab& table, const TTextGrid& grid)
{
    table.Clear();
    for (size_t row = 0; row < grid.size(); ++row)
        for (size_t column = 0; column < grid[row].size(); ++column)
            table.SetCell(static_cast<int>(row), static_cast<int>(column), grid[row][column]);
}

// A data set over count records; fields(recNo) gives the texts of record recNo.
void BindRecords(TReport& report, const char* name, std::function<size_t()> count,
                 std::function<TFieldTexts(size_t)> fields)
{
    auto feed = [&report, count, fields](int recNo) {
        if (static_cast<size_t>(recNo) < count())
            WriteFields(report, fields(static_cast<size_t>(recNo)));
    };
    report.SetDataSet(QLatin1StringView(name),
                      {feed, feed, [count](int recNo) { return static_cast<size_t>(recNo) >= count(); }});
}

// Which inputs of a kind get a card, and the card printed last (its observations follow it).
struct CardState {
    std::vector<size_t> TypeA;
    std::vector<size_t> TypeB;
    size_t DetailA = 0;
    size_t DetailG = 0;
};

} // namespace

void BindEvaluationReport(TReport& report, const TReportSources& sources)
{
    const TOrmetaCalc& calc = *sources.Calc;
    const TFeedContext context{calc.OutputUnit, sources.TotalContribution};
    WriteFields(report, SummaryFields(sources.Summary, calc.Value));
    if (TReportPicture* formula = report.FindPicture(u"Formula"_s))
        formula->Image = sources.Formula;
    if (TReportPicture* pareto = report.FindPicture(u"Picture1"_s)) {
        pareto->Image = sources.Pareto;
        pareto->AutoSize = true;
    }

    auto state = std::make_shared<CardState>();
    for (size_t i = 0; i < calc.TypeA.size(); ++i)
        if (IsPrintedSource(calc.TypeA[i]->Name, sources.NoNestedDetail, sources.FormulaText))
            state->TypeA.push_back(i);
    for (size_t i = 0; i < calc.TypeB.size(); ++i)
        if (IsPrintedSource(calc.TypeB[i]->Name, sources.NoNestedDetail, sources.FormulaText))
            state->TypeB.push_back(i);

    const TOrmetaCalc* c = &calc;
    BindRecords(report, "frUserDataset3", [state] { return state->TypeA.size(); }, [c, state, context](size_t r) {
        state->DetailA = state->TypeA[r];
        return TypeACardFields(*c->TypeA[state->DetailA], context);
    });
    BindRecords(
        report, "frUserDataset4",
        [c, state] { return c->TypeA.empty() ? 0 : static_cast<size_t>(std::max(0, c->TypeA[state->DetailA]->Count)); },
        [c, state](size_t r) { return ObservationRowFields(*c->TypeA[state->DetailA], static_cast<int>(r)); });
    BindRecords(report, "frUserDataset8", [c] { return c->TypeG.size(); }, [c, state, context](size_t r) {
        state->DetailG = r;
        return CalibrationCardFields(*c->TypeG[r], context);
    });
    BindRecords(
        report, "frUserDataset9",
        [c, state] { return c->TypeG.empty() ? 0 : static_cast<size_t>(std::max(0, c->TypeG[state->DetailG]->Count)); },
        [c, state](size_t r) { return MeasurementRowFields(*c->TypeG[state->DetailG], static_cast<int>(r)); });
    BindRecords(report, "frUserDataset1", [state] { return state->TypeB.size(); },
                [c, state, context](size_t r) { return TypeBCardFields(*c->TypeB[state->TypeB[r]], context); });
    BindRecords(report, "frUserDataset6", [c] { return c->Nested.size(); },
                [c, context](size_t r) { return NestedCardFields(*c->Nested[r], context); });
    BindRecords(report, "frUserDataset2", [c] { return InputsInOrder(*c).size(); },
                [c, context](size_t r) { return BudgetRowFields(*c, static_cast<int>(r), context); });

    report.SetBeforePrint([c, state, correlation = sources.Correlation,
                           calibration = sources.CalibrationGrid](TReportObject& object) {
        if (object.Kind != TObjectKind::CrossTab)
            return;
        auto& table = static_cast<TReportCrossTab&>(object);
        if (object.Name == u"MatrKor"_s)
            FillCrossTab(table, correlation);
        else if (object.Name == u"ColMatr"_s && calibration && !c->TypeG.empty())
            FillCrossTab(table, calibration(*c->TypeG[state->DetailG]));
    });
    report.SetVariableValue([](const QString& name) -> std::optional<QString> {
        const auto value = ReportVariableValue(ToStd(name));
        return value ? std::optional<QString>(ToQt(*value)) : std::nullopt;
    });
}

void SetReportPages(TReport& report, const TOrmetaCalc& calc, bool printSources, bool printPareto)
{
    const std::pair<const char*, bool> cards[] = {{"Page2", !calc.TypeA.empty()},
                                                  {"Page3", !calc.TypeG.empty()},
                                                  {"Page4", !calc.TypeB.empty()},
                                                  {"Page5", !calc.Nested.empty()}};
    for (const auto& [page, present] : cards)
        report.SetPageVisible(QLatin1StringView(page), present && printSources);
    report.SetPageVisible(u"Page8"_s, printPareto);
}

void TranslateReportTexts(TReport& report)
{
    WriteFields(report, RussianReportTexts());
}
