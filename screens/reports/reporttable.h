#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct ReportsTexts;

// The three reports, in the order of the report list.
enum class ReportKind { Cards, Guests, Open, None };

// Column 0 of every report: "x" marks a row for deletion; in the door report
// "*" marks a system record or a card the register knows.
inline constexpr char kMarkDelete[] = "x";
inline constexpr char kMarkKnown[] = "*";

// The filters of the option panel as the operator left them. A type of ""
// or the All text, and an empty room, operator or name, filter nothing.
struct ReportFilters {
    QDateTime checkInFrom, checkInTo;   // issue time (cards), ComeTime (guests)
    QDateTime checkOutFrom, checkOutTo; // end time (cards), GoTime (guests)
    QString type;
    QString room;
    QString gongHao;
    QString name;
    QString order;
};

// What the panel holds when the screen opens: issued since seven days before
// today, ending from then on, any type, room, operator and name.
ReportFilters DefaultReportFilters(const ReportsTexts &texts, const QDateTime &now);

// A report as the grid shows it: every row carries all columns, the mark first.
struct ReportTable {
    ReportKind kind = ReportKind::None;
    QStringList headers;
    QList<int> widths;
    QList<QStringList> rows;
    QString sql; // the statement of the last query
    // Door report: the lock that system record 2 names, and its room when the
    // registry has it.
    QString lockNo;
    QString roomName;
};

ReportKind ReportKindOf(const ReportsTexts &texts, const QString &name);
QString ReportName(const ReportsTexts &texts, ReportKind kind);
// The entries of the type and order lists of a report.
QStringList ReportTypeList(const ReportsTexts &texts, ReportKind kind);
QStringList ReportOrderList(const ReportsTexts &texts, ReportKind kind);
