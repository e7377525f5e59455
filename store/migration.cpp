#include "store/migration.h"

#include "core/operatorport.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

struct LateColumn {
    const char *upperName;
    const char *statement;
    const char *caption;
    const char *notice;
};

const LateColumn kLateColumns[] = {
    {"RESERVCKIN", "ALTER TABLE RoomInfo ADD ReservCkIn DateTime NULL", "N9086", "Add field ReservCkIn Success"},
    {"FIRSTCKOUT", "ALTER TABLE RoomInfo ADD FirstCkOut DateTime NULL", "N9087", "Add field FirstCkOut Success"},
    {"HOURRATESTARTUP", "ALTER TABLE RoomInfo ADD HourRateStartUp Currency NULL", "N9088",
     "Add field HourRateStartUp Success"},
    {"HOURRATEPRICE", "ALTER TABLE RoomInfo ADD HourRatePrice Currency NULL", "N9089",
     "Add field HourRatePrice Success"},
};

} // namespace

bool MigrateRoomInfo(QSqlDatabase &db, QString *error)
{
    QStringList present;
    {
        QSqlQuery query(db);
        // LIMIT keeps this to the column list, whatever the size of the table.
        if (!query.exec(QStringLiteral("SELECT * FROM RoomInfo LIMIT 1"))) {
            *error = query.lastError().text();
            return false;
        }
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            present.append(record.fieldName(i).toUpper());
    }
    for (const LateColumn &column : kLateColumns) {
        if (present.contains(QLatin1String(column.upperName)))
            continue;
        QSqlQuery query(db);
        if (!query.exec(QLatin1String(column.statement))) {
            *error = query.lastError().text();
            return false;
        }
        ShowInfo(QLatin1String(column.caption), QLatin1String(column.notice));
    }
    return true;
}
