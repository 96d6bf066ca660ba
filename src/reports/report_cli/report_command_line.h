#pragma once
// `ormeta report FILE.orm -o OUT.pdf|OUT.rtf [--lang uk|ru] [--no-sources] [--nested] [--no-pareto]`:
// the report of the evaluation in FILE, calculated as `ormeta calc` calculates it, written as PDF or
// RTF without any window. Exit status: 0 written, 1 the evaluation cannot be calculated or the report
// cannot be made (template missing or damaged) or written, 2 wrong arguments, 3 FILE unreadable.
#include "app/command_options.h"

#include <QString>

#include <iosfwd>
#include <string>
#include <vector>

// The whole sub-command: an offscreen application, the settings beside the executable, the language
// of the settings (or --lang), the regional separators. argv[1] is "report".
int RunReportCommand(int argc, char** argv);

class TReport;

// Reads and calculates options.File and prepares its report into report; messages go to err. Returns
// the exit status, ExitSuccess when the pages are ready to be written; only the prepared pages are of
// use afterwards (the evaluation the report was bound to is gone).
int PrepareCommandReport(const TReportOptions& options, const QString& templateFolder, TReport& report,
                         std::ostream& err);

// The report inside a running QApplication, from the templates in templateFolder; messages go to err.
int WriteReportCommand(const std::vector<std::string>& args, const QString& templateFolder, std::ostream& err);
