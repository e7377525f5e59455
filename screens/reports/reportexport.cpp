#include "screens/reports/reportexport.h"

#include "core/clock.h"
#include "core/operatorport.h"
#include "core/records.h"
#include "core/settings.h"
#include "screens/reports/reportstexts.h"
#include "screens/reports/workbook.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString workbookName(ReportKind kind)
{
    switch (kind) {
    case ReportKind::Cards:
        return QStringLiteral("ReportCards.xlsx");
    case ReportKind::Guests:
        return QStringLiteral("ReportGuests.xlsx");
    case ReportKind::Open:
        return QStringLiteral("ReportOpen.xlsx");
    case ReportKind::None:
        break;
    }
    return QString();
}

} // namespace

QString ReportWorkbookPath(ReportKind kind)
{
    const QString name = workbookName(kind);
    return name.isEmpty() ? QString() : settings.ReportFile(name);
}

bool CreateMissingReportWorkbooks(QString *error)
{
    if (!QDir().mkpath(settings.ReportFile(QString()))) {
        *error = QStringLiteral("cannot make the folder ") + settings.ReportFile(QString());
        return false;
    }
    for (const ReportKind kind : {ReportKind::Cards, ReportKind::Guests, ReportKind::Open}) {
        const QString path = ReportWorkbookPath(kind);
        if (!QFileInfo::exists(path) && !CreateWorkbook(path, error))
            return false;
    }
    return true;
}

std::optional<ExportRange> ExportReport(const ReportsTexts &texts, const ReportTable &table, const QString &reportName,
                                        const QString &roomName)
{
    if (table.rows.isEmpty())
        return std::nullopt;
    const QString path = ReportWorkbookPath(table.kind);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        ShowError(QStringLiteral("E0049"), QStringLiteral("File not exist\n") + path);
        return std::nullopt;
    }
    QString title;
    if (!roomName.isEmpty())
        title = texts.RoomNo + QStringLiteral(":  ") + roomName + QStringLiteral(", ");
    title += reportName + QStringLiteral(", ") + texts.TimeExport + QStringLiteral(":  ") +
             DateTimeText(Clock().now());
    QList<QStringList> rows;
    rows.reserve(table.rows.size() + 2);
    rows.append({title});
    rows.append(table.headers.mid(1));
    for (const QStringList &row : table.rows)
        rows.append(row.mid(1));
    int first = 0;
    QString error;
    {
        BusyCursor busy;
        if (!AppendToWorkbook(path, rows, &first, &error)) {
            ShowError(QStringLiteral("E0048"), QStringLiteral("Open Excel Failure\n\n") + error);
            return std::nullopt;
        }
    }
    const ExportRange range{first, first + int(table.rows.size()) + 1};
    ShowInfo(QStringLiteral("N9059"), u'\n' + texts.ExcelOK + QStringLiteral("\n\n") + reportName +
                                          QStringLiteral("\n\n") + path + QStringLiteral("\n\n") +
                                          QStringLiteral("%1:  %2 --> %3").arg(texts.ExcelRow).arg(range.first).arg(range.last));
    return range;
}
