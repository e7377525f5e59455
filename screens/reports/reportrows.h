#pragma once

#include "screens/reports/reporttable.h"

struct ReportsTexts;

// Fills table with the report's rows under the filters, as the reports screen
// shows them and the admin tool prints them. A query that fails is shown
// (E0078) and leaves the table without rows; false then.
bool BuildReport(ReportKind kind, const ReportsTexts &texts, const ReportFilters &filters, ReportTable *table);
