#pragma once
// The texts that the report's data sets write into the template's fields, one record at a time, as
// plain functions of the evaluation records: the input cards, the observation rows and the budget rows.
// Texts are in the language of the moment.
#include "model/input_order.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Field name and the text it receives, in writing order.
using TFieldTexts = std::vector<std::pair<std::string, std::string>>;

// What every card and budget row needs besides its input: the unit of the evaluation's result and
// the sum of the absolute contributions of its inputs.
struct TFeedContext {
    std::string OutputUnit;
    double TotalContribution = 0;
};

// |c·u| as a number, two spaces and the result's unit.
std::string ContributionText(const InputView& input, const TFeedContext& context);
// |c·100·u| / total rounded to three decimals (halves to even), in the general form; "-" when the
// total is 0, so that a budget whose contributions are all 0 can still be printed.
std::string PercentText(const InputView& input, const TFeedContext& context);

// Whether the card of a Type A or Type B input is written: always with the nested evaluations in
// detail, otherwise only when the name occurs in the formula text (a plain substring test).
bool IsPrintedSource(const std::string& name, bool noNestedDetail, const std::string& formulaText);

TFieldTexts TypeACardFields(const TOrmetaTypeA& input, const TFeedContext& context);
// Includes the three parameter rows, cleared where the distribution has none.
TFieldTexts TypeBCardFields(const TOrmetaTypeB& input, const TFeedContext& context);
TFieldTexts NestedCardFields(const TOrmetaCalc& nested, const TFeedContext& context);
TFieldTexts CalibrationCardFields(const TOrmetaTypeG& input, const TFeedContext& context);

// Row recNo of the observations under a Type A card or the measurements under a calibration card;
// nothing when recNo is past the end.
TFieldTexts ObservationRowFields(const TOrmetaTypeA& input, int recNo);
TFieldTexts MeasurementRowFields(const TOrmetaTypeG& input, int recNo);

// Row recNo of the budget: input recNo of calc in input order; nothing past the last input.
TFieldTexts BudgetRowFields(const TOrmetaCalc& calc, int recNo, const TFeedContext& context);

// The texts of the budget tab as the user sees them, copied into the fields filled once per report.
struct TSummaryTexts {
    std::string Description;        // evaluation description
    std::string ModelDescription;   // description of the model
    std::string OutputName;
    std::string ResultValue;        // the budget's result row: assigned value
    std::string StdUncertainty;
    std::string CoverageFactor;
    std::string ExpandedUncertainty;
    std::string RelativeStd;
    std::string RelativeExpanded;
    std::string ConfidenceLevel;     // as typed, e.g. "0.9545"
    std::string CoverageExplanation; // how k was obtained
    std::optional<std::string> ResultDof; // shown only when the budget shows it
};

// Memo7 … Memo95 for the evaluation whose value is value. The confidence level is read with
// ParseNumber (EConvertError when it is not a number).
TFieldTexts SummaryFields(const TSummaryTexts& texts, double value);
