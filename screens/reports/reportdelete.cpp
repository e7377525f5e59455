#include "screens/reports/reportdelete.h"

#include "core/operatorport.h"
#include "screens/reports/reportstexts.h"
#include "screens/reports/reporttable.h"
#include "store/cardregister.h"
#include "store/guests.h"

bool DeleteMarkedRows(const ReportsTexts &texts, const ReportTable &table)
{
    const bool cards = table.kind == ReportKind::Cards;
    if (table.rows.isEmpty() || (!cards && table.kind != ReportKind::Guests))
        return false;
    const QString text = u'\n' + texts.msgDelRecord + QStringLiteral("\n\n") +
                         (cards ? texts.msgDelRecord1 : texts.msgDelRecord2);
    if (!AskOkCancel(cards ? QStringLiteral("N9057") : QStringLiteral("N9058"), text))
        return false;
    BusyCursor busy;
    for (const QStringList &row : table.rows) {
        if (row.first() != QLatin1String(kMarkDelete))
            continue;
        // The ID is the last column of both reports.
        const int id = row.last().toInt();
        QString error;
        const bool deleted = cards ? DeleteCardInfo(id, &error) : DeleteGuestInfo(id, &error);
        if (!deleted)
            ShowError(QStringLiteral("E0050"), QStringLiteral("Delete GuestInfo Failure.\n\n") + row.last());
    }
    return true;
}
