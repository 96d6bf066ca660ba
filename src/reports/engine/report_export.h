#pragma once
// Writing prepared sheets to files. The target is replaced only by a complete file; on failure error
// receives a message (current language) naming the file.
#include "reports/engine/prepared_page.h"

#include <QString>

#include <vector>

inline constexpr char kReportCreator[] = "Ormeta 1.5";

bool WritePdfFile(const std::vector<TPreparedPage>& pages, const QString& path, QString& error);
bool WriteRtfFile(const std::vector<TPreparedPage>& pages, const QString& path, QString& error);
