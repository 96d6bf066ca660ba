#pragma once
// The report's variables and the Russian texts that replace the template's Ukrainian fixed texts.
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Value of a template variable ("Title", "Sign", "Page_R", "Page_F", "Aut") in the language of the
// moment; names are compared exactly; any other name has no value.
std::optional<std::string> ReportVariableValue(const std::string& name);

// Field name and its Russian text, for every fixed text of the templates that has one.
const std::vector<std::pair<std::string, std::string>>& RussianReportTexts();
