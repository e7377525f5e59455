#include "store/buildings.h"

#include "core/operatorport.h"
#include "store/connection.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

bool deleteWhereBldNo(const QString &sql, int bldNo, QString *error)
{
    QSqlQuery remove(Db());
    remove.prepare(sql);
    remove.bindValue(QStringLiteral(":a"), bldNo);
    if (remove.exec())
        return true;
    *error = remove.lastError().text();
    return false;
}

} // namespace

bool ReadBuildings(QList<TBuildingInfo> *rows, QString *error)
{
    rows->clear();
    BusyCursor busy;
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM BuildingInfo ORDER BY BldNo"))) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next())
        rows->append({query.value(QStringLiteral("BldNo")).toInt(), query.value(QStringLiteral("BldName")).toString()});
    if (query.lastError().isValid()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

bool InsertBuilding(const TBuildingInfo &building, QString *error)
{
    return InsertBuilding(Db(), building, error);
}

bool InsertBuilding(const QSqlDatabase &db, const TBuildingInfo &building, QString *error)
{
    BusyCursor busy;
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO BuildingInfo VALUES(:BldNo,:BldName)"));
    insert.bindValue(QStringLiteral(":BldNo"), building.BldNo);
    insert.bindValue(QStringLiteral(":BldName"), building.BldName);
    if (insert.exec())
        return true;
    *error = insert.lastError().text();
    return false;
}

bool UpdateBuildingName(int bldNo, const QString &name, QString *error)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE BuildingInfo SET BldName=:a WHERE BldNo=:b"));
    update.bindValue(QStringLiteral(":a"), name);
    update.bindValue(QStringLiteral(":b"), bldNo);
    if (update.exec())
        return true;
    *error = update.lastError().text();
    return false;
}

bool DeleteBuildingWithRooms(int bldNo, BuildingPart *failed, QString *error)
{
    BusyCursor busy;
    QSqlDatabase db = Db();
    // A building row gone with its rooms left (or the reverse) would leave
    // rooms that no building lists: the two deletes stand or fall together.
    *failed = BuildingPart::Row;
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    if (!deleteWhereBldNo(QStringLiteral("DELETE FROM BuildingInfo WHERE BldNo=:a"), bldNo, error)) {
        db.rollback();
        return false;
    }
    *failed = BuildingPart::Rooms;
    if (!deleteWhereBldNo(QStringLiteral("DELETE FROM RoomInfo WHERE BldNo=:a"), bldNo, error)) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}
