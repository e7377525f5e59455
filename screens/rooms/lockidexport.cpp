#include "screens/rooms/lockidexport.h"

#include "core/ini.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "store/rooms.h"

#include <QHash>

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
    QList<RoomRow> rooms;
    QString error;
    if (!ReadAllRoomRows(&rooms, &error)) {
        ShowError(QStringLiteral("E0069"), QStringLiteral("Read RoomInfo Failure\n") + error);
        return QString();
    }
    // Rooms that share building, floor and second index share a key. A reader
    // takes the first line of a key, so each key is written once, in the place
    // of its first room, holding the number of its last room.
    QList<QPair<QString, QString>> entries;
    QHash<QString, qsizetype> entryOfKey;
    for (const RoomRow &row : rooms) {
        const QString key = LockPartText(row.key.BldNo) + LockPartText(row.key.FlrNo) + threeDigits(row.room.RomID2);
        const auto found = entryOfKey.constFind(key);
        if (found != entryOfKey.cend()) {
            entries[*found].second = row.room.RoomNo;
            continue;
        }
        entryOfKey.insert(key, entries.size());
        entries.append({key, row.room.RoomNo});
    }
    IniFile lockIds(path, SettingsCodePage());
    if (!lockIds.replaceSection(QStringLiteral("LOCKID"), entries)) {
        ShowError(QStringLiteral("E0072"), QStringLiteral("Write LOCKID.INI Failure\n") + path);
        return QString();
    }
    return path;
}
