#include "roomrows.h"

#include "core/sharedtexts.h"
#include "store/connection.h"
#include "store/rooms.h"

#include <QSqlError>
#include <QSqlQuery>

TRoomInfo SampleRoom(int bldNo, int flrNo, int romId, const QString &roomNo)
{
    TRoomInfo room;
    room.BldNo = bldNo;
    room.FlrNo = flrNo;
    room.RomID = romId;
    room.RomID2 = romId;
    room.RoomNo = roomNo;
    room.sType = QStringLiteral("Standard");
    room.Status = Common.RoomStatus_VC;
    room.Price = Currency::fromWhole(288);
    room.MaxCards = 3;
    room.BldRoomNo = BldRoomNoOf(bldNo, roomNo);
    room.LockNo = LockNoOf(bldNo, flrNo, romId);
    return room;
}

bool AddRoomRow(const TRoomInfo &room)
{
    QSqlQuery insert(Db());
    insert.prepare(QStringLiteral("INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RomID2, RoomNo, sType, Status, Price, Dai,"
                                  " CardCount, MaxCards, PublicDoor, BeiZhu) VALUES (:BldNo, :FlrNo, :RomID, :RomID2,"
                                  " :RoomNo, :sType, :Status, :Price, :Dai, :CardCount, :MaxCards, :PublicDoor, :BeiZhu)"));
    insert.bindValue(QStringLiteral(":BldNo"), room.BldNo);
    insert.bindValue(QStringLiteral(":FlrNo"), room.FlrNo);
    insert.bindValue(QStringLiteral(":RomID"), room.RomID);
    insert.bindValue(QStringLiteral(":RomID2"), room.RomID2);
    insert.bindValue(QStringLiteral(":RoomNo"), room.RoomNo);
    insert.bindValue(QStringLiteral(":sType"), room.sType);
    insert.bindValue(QStringLiteral(":Status"), room.Status);
    insert.bindValue(QStringLiteral(":Price"), room.Price.toSql());
    insert.bindValue(QStringLiteral(":Dai"), room.Dai);
    insert.bindValue(QStringLiteral(":CardCount"), room.CardCount);
    insert.bindValue(QStringLiteral(":MaxCards"), room.MaxCards);
    insert.bindValue(QStringLiteral(":PublicDoor"), room.PublicDoor);
    insert.bindValue(QStringLiteral(":BeiZhu"), room.BeiZhu);
    if (insert.exec())
        return true;
    qWarning("%s", qPrintable(insert.lastError().text()));
    return false;
}
