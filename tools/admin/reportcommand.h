#pragma once

#include "screens/reports/reporttable.h"

#include <optional>

// The report filters given on the command line; what is not given keeps the
// screen's default.
struct ReportCommandOptions {
    QString kind; // cards, guests or opens
    std::optional<QDateTime> checkInFrom, checkInTo, checkOutFrom, checkOutTo;
    std::optional<QString> room, type, gongHao, name, order;
    bool exportReport = false;
    bool server = false;
};

// Prints the report as the reports screen builds it (the header row first,
// one line per row, cells separated by tabs, the mark column first), or with
// exportReport appends it to the report's workbook. Returns the exit code; 2
// for a report it does not know or a filter the report does not have.
int RunReport(const ReportCommandOptions &options);
