#include "tools/admin/reportcommand.h"

#include "core/clock.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/reports/reportexport.h"
#include "screens/reports/reportrows.h"
#include "screens/reports/reportstexts.h"
#include "store/database.h"
#include "store/rooms.h"

#include <cstdio>

namespace {

std::optional<ReportKind> kindOf(const QString &name)
{
    if (name == QLatin1String("cards"))
        return ReportKind::Cards;
    if (name == QLatin1String("guests"))
        return ReportKind::Guests;
    if (name == QLatin1String("opens"))
        return ReportKind::Open;
    return std::nullopt;
}

int refuse(const QString &message)
{
    std::fprintf(stderr, "zumerak-admin report: %s\n", qPrintable(message));
    return 2;
}

// The option panel of the report shows no such filter.
std::optional<QString> missingFilter(ReportKind kind, const ReportCommandOptions &o)
{
    const bool dates = o.checkInFrom || o.checkInTo || o.checkOutFrom || o.checkOutTo;
    if (kind == ReportKind::Open) {
        if (dates || o.room || o.type || o.gongHao || o.name || o.order)
            return QStringLiteral("the opens report takes no filters");
        return std::nullopt;
    }
    if (kind == ReportKind::Cards && o.name)
        return QStringLiteral("the cards report has no --name filter");
    if (kind == ReportKind::Guests && o.gongHao)
        return QStringLiteral("the guests report has no --operator filter");
    return std::nullopt;
}

} // namespace

int RunReport(const ReportCommandOptions &options)
{
    const std::optional<ReportKind> kind = kindOf(options.kind);
    if (!kind)
        return refuse(QStringLiteral("expects cards, guests or opens, not '%1'").arg(options.kind));
    if (const std::optional<QString> missing = missingFilter(*kind, options))
        return refuse(*missing);
    BuildFlag = options.server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    static TData1 data;
    // A card of a room that has gone is listed, not shown as an error.
    curMenu = QStringLiteral("Reports");
    if (!Db().isOpen() || !LoadAryRoom())
        return 1;
    const ReportsTexts texts = ReadReportsTexts();
    ReportFilters filters = DefaultReportFilters(texts, Clock().now());
    filters.checkInFrom = options.checkInFrom.value_or(filters.checkInFrom);
    filters.checkInTo = options.checkInTo.value_or(filters.checkInTo);
    filters.checkOutFrom = options.checkOutFrom.value_or(filters.checkOutFrom);
    filters.checkOutTo = options.checkOutTo.value_or(filters.checkOutTo);
    filters.room = options.room.value_or(filters.room);
    filters.type = options.type.value_or(filters.type);
    filters.gongHao = options.gongHao.value_or(filters.gongHao);
    filters.name = options.name.value_or(filters.name);
    filters.order = options.order.value_or(filters.order);
    ReportTable table;
    if (!BuildReport(*kind, texts, filters, &table))
        return 1;
    if (options.exportReport) {
        if (table.rows.isEmpty())
            return 0;
        return ExportReport(texts, table, ReportName(texts, *kind), table.roomName) ? 0 : 1;
    }
    // The screen names the door's room above the door report. Scripts read
    // the report itself from the standard output, header first, so the room
    // goes beside the boxes, to the standard error stream.
    if (!table.roomName.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(texts.RoomNo + QStringLiteral(":  ") + table.roomName));
    std::printf("%s\n", qPrintable(table.headers.join(u'\t')));
    for (const QStringList &row : table.rows)
        std::printf("%s\n", qPrintable(row.join(u'\t')));
    return 0;
}
