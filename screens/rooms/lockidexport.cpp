#include "screens/rooms/lockidexport.h"

#include "core/ini.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "store/connection.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString threeDigits(int value)
{
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

} // namespace

QString ExportLockIds()
{
    BusyCursor busy;
    const QString path = settings.WorkPath + QStringLiteral("LOCKID.INI");
    QSqlQuery rooms(Db());
    rooms.setForwardOnly(true);
    if (!rooms.exec(QStringLiteral("select * from roominfo order by bldno,flrno,RomID"))) {
        ShowError(QStringLiteral("E0069"), QStringLiteral("Read RoomInfo Failure\n") + rooms.lastError().text());
        return QString();
    }
    QList<QPair<QString, QString>> entries;
    while (rooms.next()) {
        entries.append({threeDigits(rooms.value(QStringLiteral("BldNo")).toInt())
                             + threeDigits(rooms.value(QStringLiteral("FlrNo")).toInt())
                             + threeDigits(rooms.value(QStringLiteral("RomID2")).toInt()),
                         rooms.value(QStringLiteral("RoomNo")).toString()});
    }
    IniFile lockIds(path, SettingsCodePage());
    if (!lockIds.replaceSection(QStringLiteral("LOCKID"), entries)) {
        ShowError(QStringLiteral("E0072"), QStringLiteral("Write LOCKID.INI Failure\n") + path);
        return QString();
    }
    return path;
}
