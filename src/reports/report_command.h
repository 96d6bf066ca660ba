#pragma once
// The report command ("Друк звіту...", Ctrl+P): asks which parts to print, prepares the report of the
// shown evaluation from "data_report1.fr3" beside the program, optionally appends one report per
// nested evaluation from "data_report2.fr3" (switching to it and calculating it), returns to the
// evaluation shown at the start and shows the preview. Does nothing until a calculation has filled
// the budget. A missing or damaged template is reported by name and no report is shown.
//
class TMainForm;
class TParetoForm;
class TPrintForm;

void NM5Click(TMainForm& form, TPrintForm& options, TParetoForm& pareto);
