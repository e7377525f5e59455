#include "store/rooms.h"

#include "core/hexdigits.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/buildings.h"
#include "store/connection.h"
#include "store/dbfailure.h"
#include "store/migration.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <optional>

namespace {

// Empty texts are stored as empty texts, not as NULL.
QVariant textValue(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

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
std::optional<RoomRow> readRow(const QSqlQuery &query, const RoomColumns &c, QString *error)
{
    RoomRow row;
    row.key = {query.value(c.BldNo), query.value(c.FlrNo), query.value(c.RomID)};
    const std::optional<int> bldNo = LockPartValue(row.key.BldNo);
    const std::optional<int> flrNo = LockPartValue(row.key.FlrNo);
    const std::optional<int> romId = LockPartValue(row.key.RomID);
    row.lockable = bldNo && flrNo && romId;
    TRoomInfo &room = row.room;
    room.BldNo = bldNo.value_or(row.key.BldNo.toInt());
    room.FlrNo = flrNo.value_or(row.key.FlrNo.toInt());
    room.RomID = romId.value_or(row.key.RomID.toInt());
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
    room.LockNo = LockNoOfKey(row.key);
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
    return row;
}

bool readRows(QSqlQuery &query, QList<RoomRow> *rows, QString *error)
{
    rows->clear();
    BusyCursor busy;
    query.setForwardOnly(true);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    const RoomColumns columns(query.record());
    while (query.next()) {
        std::optional<RoomRow> row = readRow(query, columns, error);
        if (!row) {
            rows->clear();
            return false;
        }
        rows->append(std::move(*row));
    }
    if (query.lastError().isValid()) {
        *error = query.lastError().text();
        rows->clear();
        return false;
    }
    return true;
}

void bindKey(QSqlQuery &query, const RoomKey &key)
{
    query.bindValue(QStringLiteral(":a1"), key.BldNo);
    query.bindValue(QStringLiteral(":b1"), key.FlrNo);
    query.bindValue(QStringLiteral(":c1"), key.RomID);
}

bool execute(QSqlQuery &query, QString *error)
{
    BusyCursor busy;
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

QString rowText(const RoomRow &row)
{
    return QStringLiteral("BldNo: %1\nFlrNo: %2\nRomID: %3\nRoomNo: %4")
        .arg(row.key.BldNo.toString(), row.key.FlrNo.toString(), row.key.RomID.toString(), row.room.RoomNo);
}

bool readRooms(QString *error)
{
    QSqlDatabase db = Db();
    if (!MigrateRoomInfo(db, error))
        return false;
    QList<RoomRow> rows;
    if (!ReadAllRoomRows(&rows, error))
        return false;
    aryRoom.reserve(rows.size());
    for (const RoomRow &row : rows) {
        // A lock number is three parts of three digits: a row that makes none
        // would be found under a number its lock does not have.
        if (!row.lockable) {
            ShowError(QStringLiteral("E0067"), QStringLiteral("System Error---E0067\nRoomInfo row left out: its "
                                                              "building, floor or room index is no number 0..999\n")
                                                   + rowText(row));
            continue;
        }
        aryRoom.append(row.room);
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

std::optional<int> LockPartValue(const QVariant &stored)
{
    constexpr qint64 kLargest = 999;
    // An empty column reads as 0.
    if (stored.isNull())
        return 0;
    qint64 value = 0;
    switch (stored.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        value = stored.toLongLong();
        break;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (stored.toULongLong() > quint64(kLargest))
            return std::nullopt;
        value = stored.toLongLong();
        break;
    case QMetaType::Double: {
        const double number = stored.toDouble();
        if (number != std::floor(number) || number < 0 || number > kLargest)
            return std::nullopt;
        value = static_cast<qint64>(number);
        break;
    }
    default: {
        // SQLite hands a fraction over as text when exact values are asked for.
        static const QRegularExpression digits(QStringLiteral("^\\d{1,3}$"));
        const QString text = stored.toString();
        if (!digits.match(text).hasMatch())
            return std::nullopt;
        value = text.toLongLong();
        break;
    }
    }
    if (value < 0 || value > kLargest)
        return std::nullopt;
    return static_cast<int>(value);
}

QString LockPartText(const QVariant &stored)
{
    const std::optional<int> value = LockPartValue(stored);
    return value ? QStringLiteral("%1").arg(*value, 3, 10, QLatin1Char('0')) : stored.toString();
}

RoomKey RoomKeyOf(const TRoomInfo &room)
{
    return {room.BldNo, room.FlrNo, room.RomID};
}

QString LockNoOfKey(const RoomKey &key)
{
    return LockPartText(key.BldNo) + LockPartText(key.FlrNo) + LockPartText(key.RomID);
}

bool ReadRoomRows(int bldNo, QList<RoomRow> *rows, QString *error)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM RoomInfo WHERE BldNo=:a ORDER BY FlrNo,RomID"));
    query.bindValue(QStringLiteral(":a"), bldNo);
    return readRows(query, rows, error);
}

bool ReadAllRoomRows(QList<RoomRow> *rows, QString *error)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM RoomInfo ORDER BY BldNo,FlrNo,RomID"));
    return readRows(query, rows, error);
}

bool InsertRoom(const TRoomInfo &room, QString *error)
{
    return InsertRoom(Db(), room, error);
}

bool InsertRoom(const QSqlDatabase &db, const TRoomInfo &room, QString *error)
{
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO RoomInfo VALUES(:BldNo,:FlrNo,:RomID,:RomID2,:RoomNo,:sType,:Status,:Price,:Dai,:CardCount,"
        ":MaxCards,:PublicDoor,:BeiZhu,:ReservCkIn,:FirstCkOut,:HourRateStartup,:HourRatePrice)"));
    insert.bindValue(QStringLiteral(":BldNo"), room.BldNo);
    insert.bindValue(QStringLiteral(":FlrNo"), room.FlrNo);
    insert.bindValue(QStringLiteral(":RomID"), room.RomID);
    insert.bindValue(QStringLiteral(":RomID2"), room.RomID2);
    insert.bindValue(QStringLiteral(":RoomNo"), textValue(room.RoomNo));
    insert.bindValue(QStringLiteral(":sType"), textValue(room.sType));
    insert.bindValue(QStringLiteral(":Status"), textValue(room.Status));
    insert.bindValue(QStringLiteral(":Price"), room.Price.toSql());
    insert.bindValue(QStringLiteral(":Dai"), room.Dai);
    insert.bindValue(QStringLiteral(":CardCount"), room.CardCount);
    insert.bindValue(QStringLiteral(":MaxCards"), room.MaxCards);
    insert.bindValue(QStringLiteral(":PublicDoor"), room.PublicDoor);
    insert.bindValue(QStringLiteral(":BeiZhu"), textValue(room.BeiZhu));
    insert.bindValue(QStringLiteral(":ReservCkIn"), room.ReservCkIn);
    insert.bindValue(QStringLiteral(":FirstCkOut"), room.FirstCkOut);
    insert.bindValue(QStringLiteral(":HourRateStartup"), room.HourRateStartup.toSql());
    insert.bindValue(QStringLiteral(":HourRatePrice"), room.HourRatePrice.toSql());
    return execute(insert, error);
}

bool UpdateRoom(const RoomKey &key, const RoomKey &target, const TRoomInfo &values, QString *error)
{
    QSqlQuery update(Db());
    update.prepare(QStringLiteral(
        "UPDATE RoomInfo SET FlrNo=:a,RomID=:b,RoomNo=:c,sType=:d,Price=:e,HourRateStartup=:f,HourRatePrice=:g,"
        "MaxCards=:h WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)"));
    update.bindValue(QStringLiteral(":a"), target.FlrNo);
    update.bindValue(QStringLiteral(":b"), target.RomID);
    update.bindValue(QStringLiteral(":c"), textValue(values.RoomNo));
    update.bindValue(QStringLiteral(":d"), textValue(values.sType));
    update.bindValue(QStringLiteral(":e"), values.Price.toSql());
    update.bindValue(QStringLiteral(":f"), values.HourRateStartup.toSql());
    update.bindValue(QStringLiteral(":g"), values.HourRatePrice.toSql());
    update.bindValue(QStringLiteral(":h"), values.MaxCards);
    bindKey(update, key);
    return execute(update, error);
}

bool UpdateRoomDoor(const RoomKey &key, int romId2, int publicDoor, QString *error)
{
    QSqlQuery update(Db());
    update.prepare(QStringLiteral(
        "UPDATE RoomInfo SET RomID2=:a,PublicDoor=:b WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)"));
    update.bindValue(QStringLiteral(":a"), romId2);
    update.bindValue(QStringLiteral(":b"), publicDoor);
    bindKey(update, key);
    return execute(update, error);
}

bool UpdateRoomStatus(const RoomKey &key, const QString &status, bool vacate, const QString &memo, QString *error)
{
    QString sql = QStringLiteral("UPDATE RoomInfo SET Status=:a");
    if (vacate)
        sql += QStringLiteral(",CardCount=:b,FirstCkOut=:f");
    const bool setMemo = vacate || !memo.isEmpty();
    if (setMemo)
        sql += QStringLiteral(",BeiZhu=:c");
    sql += QStringLiteral(" WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)");
    QSqlQuery update(Db());
    update.prepare(sql);
    update.bindValue(QStringLiteral(":a"), status);
    if (vacate) {
        update.bindValue(QStringLiteral(":b"), 0);
        update.bindValue(QStringLiteral(":f"), DateTimeZero());
    }
    if (setMemo)
        update.bindValue(QStringLiteral(":c"), textValue(memo));
    bindKey(update, key);
    if (!execute(update, error))
        return false;
    if (update.numRowsAffected() == 0) {
        *error = QStringLiteral("No room %1 in RoomInfo").arg(LockNoOfKey(key));
        return false;
    }
    return true;
}

bool DeleteRoom(const RoomKey &key, QString *error)
{
    QSqlQuery remove(Db());
    remove.prepare(QStringLiteral("DELETE FROM RoomInfo WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)"));
    bindKey(remove, key);
    return execute(remove, error);
}

bool LoadAryRoom()
{
    BusyCursor busy;
    aryRoom.clear();
    hasDuplicateRooms = false;
    QString error;
    const bool read = readRooms(&error);
    lenAryRoom = static_cast<int>(aryRoom.size());
    if (!read) {
        ShowError(QStringLiteral("E0067"), QStringLiteral("System Error---E0067\n") + error);
        return false;
    }
    reportDuplicateRooms();
    return true;
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
    aryBldNo.clear();
    QList<TBuildingInfo> buildings;
    QString error;
    if (!ReadBuildings(&buildings, &error)) {
        ShowError(QStringLiteral("E0068"), DbFailureText(QStringLiteral("Read BuildingInfo Failure\n"), error, {}));
        return;
    }
    for (const TBuildingInfo &building : buildings) {
        aryBldNo.append(building.BldNo);
        list.append(building.BldName);
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
