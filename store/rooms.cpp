#include "store/rooms.h"

#include "core/hexdigits.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/connection.h"
#include "store/dbfailure.h"
#include "store/migration.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace {

// The column positions of RoomInfo, looked up once per load.
struct RoomColumns {
    explicit RoomColumns(const QSqlRecord &record)
        : BldNo(record.indexOf(QStringLiteral("BldNo"))), FlrNo(record.indexOf(QStringLiteral("FlrNo"))),
          RomID(record.indexOf(QStringLiteral("RomID"))), RomID2(record.indexOf(QStringLiteral("RomID2"))),
          RoomNo(record.indexOf(QStringLiteral("RoomNo"))), sType(record.indexOf(QStringLiteral("sType"))),
          Status(record.indexOf(QStringLiteral("Status"))), Price(record.indexOf(QStringLiteral("Price"))),
          Dai(record.indexOf(QStringLiteral("Dai"))), CardCount(record.indexOf(QStringLiteral("CardCount"))),
          MaxCards(record.indexOf(QStringLiteral("MaxCards"))),
          PublicDoor(record.indexOf(QStringLiteral("PublicDoor"))),
          BeiZhu(record.indexOf(QStringLiteral("BeiZhu"))), ReservCkIn(record.indexOf(QStringLiteral("ReservCkIn"))),
          FirstCkOut(record.indexOf(QStringLiteral("FirstCkOut"))),
          HourRateStartUp(record.indexOf(QStringLiteral("HourRateStartUp"))),
          HourRatePrice(record.indexOf(QStringLiteral("HourRatePrice")))
    {
    }
    int BldNo, FlrNo, RomID, RomID2, RoomNo, sType, Status, Price, Dai, CardCount, MaxCards, PublicDoor, BeiZhu,
        ReservCkIn, FirstCkOut, HourRateStartUp, HourRatePrice;
};

// An amount that is no number or does not fit fails its row: the row is named
// in error, with the texts of its amounts.
std::optional<TRoomInfo> readRoom(const QSqlQuery &query, const RoomColumns &c, QString *error)
{
    TRoomInfo room;
    room.BldNo = query.value(c.BldNo).toInt();
    room.FlrNo = query.value(c.FlrNo).toInt();
    room.RomID = query.value(c.RomID).toInt();
    room.RomID2 = query.value(c.RomID2).toInt();
    room.RoomNo = query.value(c.RoomNo).toString();
    room.sType = query.value(c.sType).toString();
    room.Status = query.value(c.Status).toString();
    const std::optional<Currency> price = Currency::fromSql(query.value(c.Price));
    room.Dai = query.value(c.Dai).toInt();
    room.CardCount = query.value(c.CardCount).toInt();
    room.MaxCards = query.value(c.MaxCards).toInt();
    room.PublicDoor = query.value(c.PublicDoor).toInt();
    room.BeiZhu = query.value(c.BeiZhu).toString();
    room.ReservCkIn = DateTimeFromSql(query.value(c.ReservCkIn));
    room.FirstCkOut = DateTimeFromSql(query.value(c.FirstCkOut));
    const std::optional<Currency> hourRateStartup = Currency::fromSql(query.value(c.HourRateStartUp));
    const std::optional<Currency> hourRatePrice = Currency::fromSql(query.value(c.HourRatePrice));
    room.BldRoomNo = BldRoomNoOf(room.BldNo, room.RoomNo);
    room.LockNo = LockNoOf(room.BldNo, room.FlrNo, room.RomID);
    if (!price || !hourRateStartup || !hourRatePrice) {
        *error = QStringLiteral("Amount out of range\nLockNo: ") + room.LockNo
                 + QStringLiteral("\nPrice: ") + query.value(c.Price).toString()
                 + QStringLiteral("\nHourRateStartUp: ") + query.value(c.HourRateStartUp).toString()
                 + QStringLiteral("\nHourRatePrice: ") + query.value(c.HourRatePrice).toString();
        return std::nullopt;
    }
    room.Price = *price;
    room.HourRateStartup = *hourRateStartup;
    room.HourRatePrice = *hourRatePrice;
    return room;
}

bool readRooms(QString *error)
{
    QSqlDatabase db = Db();
    if (!MigrateRoomInfo(db, error))
        return false;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM RoomInfo ORDER BY BldNo,FlrNo,RomID"))) {
        *error = query.lastError().text();
        return false;
    }
    aryRoom.append(ReadRoomRows(query, error));
    if (!error->isEmpty())
        return false;
    if (query.lastError().isValid()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

// One box per pair of rooms sharing a BldRoomNo, pairs in the order (i, j) with
// i, then j, ascending. Rooms are grouped by BldRoomNo first, so the work grows
// with the rooms and the pairs, not with the square of the rooms.
void reportDuplicateRooms()
{
    QHash<QString, QList<int>> sameKey;
    sameKey.reserve(aryRoom.size());
    for (int i = 0; i < aryRoom.size(); ++i)
        sameKey[aryRoom[i].BldRoomNo].append(i);
    for (int i = 0; i < aryRoom.size(); ++i) {
        const QList<int> &group = sameKey[aryRoom[i].BldRoomNo];
        if (group.size() < 2)
            continue;
        hasDuplicateRooms = true;
        for (int j : group) {
            if (j <= i)
                continue;
            ShowError(QStringLiteral("E0023"), Common.ErrRepeatBldRoomNo + u'\n' + aryRoom[i].BldRoomNo + u'\n'
                                                   + aryRoom[i].LockNo + u'\n' + aryRoom[j].LockNo);
        }
    }
}

QString candidateOf(const TRoomInfo &room, int mode)
{
    switch (mode) {
    case ByLockNo: return room.LockNo;
    case ByBuilding: return QString::number(room.BldNo);
    case ByFloor: return room.LockNo.left(6);
    default: return room.BldRoomNo;
    }
}

void reportNotFound(int mode, const QString &key)
{
    const QString count = QString::number(lenAryRoom);
    switch (mode) {
    case ByBldRoomNo:
        ShowError(QStringLiteral("E0021"), Common.errBldRoomNo + u'\n' + key + u'\n' + count);
        break;
    case ByLockNo:
        // The reports list lock records of doors that may have gone since.
        if (curMenu != QLatin1String("Reports"))
            ShowError(QStringLiteral("E0022"), QStringLiteral("Error Lock No.\n") + key + u'\n' + count);
        break;
    case ByBuilding:
        ShowWarning(QStringLiteral("N9034"), Common.msgAddRoom + u'\n' + curBldNoName);
        break;
    default:
        break;
    }
}

} // namespace

QList<TRoomInfo> ReadRoomRows(QSqlQuery &query, QString *error)
{
    QList<TRoomInfo> rooms;
    const RoomColumns columns(query.record());
    while (query.next()) {
        std::optional<TRoomInfo> room = readRoom(query, columns, error);
        if (!room)
            break;
        rooms.append(std::move(*room));
    }
    return rooms;
}

QString RoomStatusText(RoomStatus status)
{
    switch (status) {
    case RoomStatus::VC: return Common.RoomStatus_VC;
    case RoomStatus::OH: return Common.RoomStatus_OH;
    case RoomStatus::OT: return Common.RoomStatus_OT;
    case RoomStatus::TO: return Common.RoomStatus_TO;
    case RoomStatus::VD: return Common.RoomStatus_VD;
    case RoomStatus::OO: return Common.RoomStatus_OO;
    case RoomStatus::OC_WalkIn: return Common.RoomStatus_OC_WalkIn;
    case RoomStatus::OC_Team: return Common.RoomStatus_OC_Team;
    }
    return QString();
}

QString BldRoomNoOf(int bldNo, const QString &roomNo)
{
    return QString::number(bldNo) + u'-' + roomNo;
}

QString LockNoOf(int bldNo, int flrNo, int romId)
{
    return QStringLiteral("%1%2%3")
        .arg(bldNo, 3, 10, QLatin1Char('0'))
        .arg(flrNo, 3, 10, QLatin1Char('0'))
        .arg(romId, 3, 10, QLatin1Char('0'));
}

void LoadAryRoom()
{
    BusyCursor busy;
    aryRoom.clear();
    hasDuplicateRooms = false;
    QString error;
    const bool read = readRooms(&error);
    lenAryRoom = static_cast<int>(aryRoom.size());
    if (!read) {
        ShowError(QStringLiteral("E0067"), QStringLiteral("System Error---E0067\n") + error);
        return;
    }
    reportDuplicateRooms();
}

int GetPointerOfAryRoom(int mode, const QString &key)
{
    if (mode < ByBldRoomNo || mode > CardCountOf || (mode == ByLockNo && key.size() != 9)) {
        ShowError(QStringLiteral("E0020"),
                  QStringLiteral("Error on call GetPointerOfAryRoom\nii: %1\nss: ").arg(mode) + key);
        return -2;
    }
    for (int i = 0; i < aryRoom.size(); ++i) {
        if (candidateOf(aryRoom[i], mode) == key)
            return mode == CardCountOf ? aryRoom[i].CardCount : i;
    }
    if (mode == CardCountOf)
        return 0;
    reportNotFound(mode, key);
    return -1;
}

QString BldRoomNoOfLockAddress(const QString &code)
{
    const QString failed = QStringLiteral("Error: ") + code;
    // The first byte carries flags of the card, not part of the lock number.
    const QStringView digits(code);
    const std::optional<int> romId = HexValue(digits.mid(2, 2));
    const std::optional<int> flrNo = HexValue(digits.mid(4, 2));
    const std::optional<int> bldNo = HexValue(digits.mid(6, 2));
    if (code.size() != 8 || !HexValue(digits.left(2)) || !romId || !flrNo || !bldNo)
        return failed;
    const int i = GetPointerOfAryRoom(ByLockNo, LockNoOf(*bldNo, *flrNo, *romId));
    return i >= 0 ? aryRoom[i].BldRoomNo : failed;
}

bool SaveRoomState(const TRoomInfo &room, int index)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE RoomInfo SET Status=:a,Dai=:b,CardCount=:c,BeiZhu=:d,ReservCkIn=:e,"
                                  "FirstCkOut=:f WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)"));
    update.bindValue(QStringLiteral(":a"), room.Status);
    update.bindValue(QStringLiteral(":b"), room.Dai);
    update.bindValue(QStringLiteral(":c"), room.CardCount);
    update.bindValue(QStringLiteral(":d"), room.BeiZhu);
    update.bindValue(QStringLiteral(":e"), room.ReservCkIn);
    update.bindValue(QStringLiteral(":f"), room.FirstCkOut);
    update.bindValue(QStringLiteral(":a1"), room.BldNo);
    update.bindValue(QStringLiteral(":b1"), room.FlrNo);
    update.bindValue(QStringLiteral(":c1"), room.RomID);
    if (!update.exec()) {
        ShowError(QStringLiteral("E0025"),
                  DbFailureText(QStringLiteral("Update RoomInfo Failure\n"), update.lastError().text(),
                                {QStringLiteral("LockNo: ") + LockNoOf(room.BldNo, room.FlrNo, room.RomID),
                                 QStringLiteral("Status: ") + room.Status,
                                 QStringLiteral("Dai: %1").arg(room.Dai),
                                 QStringLiteral("CardCount: %1").arg(room.CardCount),
                                 QStringLiteral("FirstCkOut: ") + DateTimeText(room.FirstCkOut)}));
        return false;
    }
    // An index from before the last load may point past the rooms: the row is
    // saved and the next load brings it in.
    if (index >= 0 && index < aryRoom.size())
        aryRoom[index] = room;
    return true;
}

void LoadBuildings(QStringList &list)
{
    BusyCursor busy;
    aryBldNo.clear();
    QSqlQuery query(Db());
    if (!query.exec(QStringLiteral("SELECT * FROM BuildingInfo ORDER BY BldNo"))) {
        ShowError(QStringLiteral("E0068"),
                  DbFailureText(QStringLiteral("Read BuildingInfo Failure\n"), query.lastError().text(), {}));
        return;
    }
    while (query.next()) {
        aryBldNo.append(query.value(QStringLiteral("BldNo")).toInt());
        list.append(query.value(QStringLiteral("BldName")).toString());
    }
}

void LoadFloors(int bldNo, QStringList &list)
{
    BusyCursor busy;
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT DISTINCT FlrNo FROM RoomInfo WHERE BldNo=:a ORDER BY FlrNo"));
    query.bindValue(QStringLiteral(":a"), bldNo);
    if (!query.exec()) {
        ShowError(QStringLiteral("E0069"), DbFailureText(QStringLiteral("Read RoomInfo Failure\n"),
                                                         query.lastError().text(), {QStringLiteral("BldNo: %1").arg(bldNo)}));
        return;
    }
    while (query.next())
        list.append(QString::number(query.value(0).toInt()));
}

bool GetBit(int value, int n)
{
    const int bit = n >= 1 && n <= 7 ? n : 0;
    return (value >> bit) & 1;
}

int SetBit(int value, int n, bool on)
{
    // Bit 1 stands for any n outside 0..7; the test is made on the bit that
    // changes, so a byte never gains or loses a bit it did not have.
    const int bit = n >= 0 && n <= 7 ? n : 1;
    const int mask = 1 << bit;
    const bool set = (value & mask) != 0;
    if (on && !set)
        return value + mask;
    if (!on && set)
        return value - mask;
    return value;
}
