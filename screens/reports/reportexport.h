#pragma once

#include "screens/reports/reporttable.h"

#include <optional>

struct ReportsTexts;

// The workbook of a report in the Reports folder of the working folder.
QString ReportWorkbookPath(ReportKind kind);
// Makes the three report workbooks that are missing, empty. False with the
// reason in error.
bool CreateMissingReportWorkbooks(QString *error);

// The worksheet rows an export filled: the title row and the last row.
struct ExportRange {
    int first = 0;
    int last = 0;
};

// Appends the report to its workbook: a title line (the room of the door
// report first, when it names one), then the header row and the data rows
// without the mark column. Nothing happens without data rows. A missing
// workbook (E0049) or a failure to write it (E0048) is shown and leaves the
// workbook as it was; success is shown (N9059) with the range.
std::optional<ExportRange> ExportReport(const ReportsTexts &texts, const ReportTable &table, const QString &reportName,
                                        const QString &roomName);
