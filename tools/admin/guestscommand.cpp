#include "tools/admin/guestscommand.h"

#include "core/operatorport.h"
#include "core/settings.h"
#include "store/database.h"
#include "store/dbfailure.h"
#include "store/guests.h"

#include <cstdio>

int RunGuests(bool server)
{
    BuildFlag = server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    TData1 data;
    if (!Db().isOpen())
        return 1;
    QList<TGuestInfo> guests;
    QString error;
    if (!ReadCurrentGuests(&guests, &error)) {
        ShowError(QStringLiteral("E0070"), DbFailureText(QStringLiteral("Read GuestInfo Failure\n"), error, {}));
        return 1;
    }
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm");
    for (const TGuestInfo &g : guests) {
        std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", qPrintable(g.BldRoomNo), qPrintable(g.Name), qPrintable(g.Flag),
                    qPrintable(g.CardID), qPrintable(g.ComeTime.toString(format)),
                    qPrintable(g.GoTime.toString(format)));
    }
    return 0;
}
