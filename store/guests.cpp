#include "store/guests.h"

#include "core/operatorport.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/state.h"
#include "store/connection.h"
#include "store/dbfailure.h"
#include "store/nextid.h"
#include "store/transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace {

const QString kLargestGuestId = QStringLiteral("SELECT MAX(ID) as MaxID FROM GuestInfo");

QString flag(const char *name)
{
    return QLatin1String(name);
}

// The column positions of GuestInfo in a result, looked up once per load.
struct GuestColumns {
    explicit GuestColumns(const QSqlRecord &record)
        : ID(record.indexOf(QStringLiteral("ID"))), BldRoomNo(record.indexOf(QStringLiteral("BldRoomNo"))),
          Name(record.indexOf(QStringLiteral("Name"))), Sex(record.indexOf(QStringLiteral("Sex"))),
          CType(record.indexOf(QStringLiteral("CType"))), CNo(record.indexOf(QStringLiteral("CNo"))),
          ComeTime(record.indexOf(QStringLiteral("ComeTime"))), GoTime(record.indexOf(QStringLiteral("GoTime"))),
          CardID(record.indexOf(QStringLiteral("CardID"))), Flag(record.indexOf(QStringLiteral("Flag"))),
          BeiZhu(record.indexOf(QStringLiteral("BeiZhu"))), Price(record.indexOf(QStringLiteral("Price"))),
          YaJin(record.indexOf(QStringLiteral("YaJin")))
    {
    }
    int ID, BldRoomNo, Name, Sex, CType, CNo, ComeTime, GoTime, CardID, Flag, BeiZhu, Price, YaJin;
};

// An amount that is no number or does not fit fails its row: E0070 names the
// row and the texts of its amounts.
std::optional<TGuestInfo> readGuest(const QSqlQuery &query, const GuestColumns &c)
{
    const std::optional<Currency> price = Currency::fromSql(query.value(c.Price));
    const std::optional<Currency> yaJin = Currency::fromSql(query.value(c.YaJin));
    if (!price || !yaJin) {
        ShowError(QStringLiteral("E0070"),
                  DbFailureText(QStringLiteral("Read GuestInfo Failure\n"), QStringLiteral("Amount out of range"),
                                {QStringLiteral("ID: ") + query.value(c.ID).toString(),
                                 QStringLiteral("Price: ") + query.value(c.Price).toString(),
                                 QStringLiteral("YaJin: ") + query.value(c.YaJin).toString()}));
        return std::nullopt;
    }
    TGuestInfo guest;
    guest.ID = query.value(c.ID).toInt();
    guest.BldRoomNo = query.value(c.BldRoomNo).toString();
    guest.Name = query.value(c.Name).toString();
    guest.Sex = query.value(c.Sex).toString();
    guest.CType = query.value(c.CType).toString();
    guest.CNo = query.value(c.CNo).toString();
    guest.ComeTime = DateTimeFromSql(query.value(c.ComeTime));
    guest.GoTime = DateTimeFromSql(query.value(c.GoTime));
    guest.CardID = query.value(c.CardID).toString();
    guest.Flag = query.value(c.Flag).toString();
    guest.BeiZhu = query.value(c.BeiZhu).toString();
    guest.Price = *price;
    guest.YaJin = *yaJin;
    return guest;
}

// Names and credential numbers compare as the database compares them, without
// regard to case, so rows it sorts together merge together.
bool sameText(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameGuest(const TGuestInfo &a, const TGuestInfo &b)
{
    return sameText(a.Name, b.Name) && sameText(a.CNo, b.CNo);
}

bool runLoad(QSqlQuery &query, const QString &key)
{
    query.setForwardOnly(true);
    if (query.exec())
        return true;
    ShowError(QStringLiteral("E0070"), DbFailureText(QStringLiteral("Read GuestInfo Failure\n"),
                                                     query.lastError().text(), {key}));
    return false;
}

// Walks the rows into entries: a row starts a new entry when startsEntry says
// so against the previous row, and is skipped otherwise. Returns the rows; a
// row that cannot be read leaves no entries and 0 rows, as a failed load.
template <typename StartsEntry>
int mergeRows(QSqlQuery &query, QList<TGuestInfo> &entries, StartsEntry startsEntry)
{
    entries.clear();
    const GuestColumns columns(query.record());
    TGuestInfo previous;
    int rows = 0;
    while (query.next()) {
        std::optional<TGuestInfo> row = readGuest(query, columns);
        if (!row) {
            entries.clear();
            return 0;
        }
        if (rows == 0 || startsEntry(previous, *row))
            entries.append(*row);
        previous = std::move(*row);
        ++rows;
    }
    return rows;
}

void bindCurrentGuestFlags(QSqlQuery &query)
{
    query.bindValue(QStringLiteral(":b"), flag(kFlagWalkIn));
    query.bindValue(QStringLiteral(":c"), flag(kFlagTeamIn));
    query.bindValue(QStringLiteral(":d"), flag(kFlagCopy));
}

void clearEarlierPrices()
{
    const QString bldRoomNo = curMenu == QLatin1String("Change") ? oldGuest.BldRoomNo : curGuest.BldRoomNo;
    // Inside the desk's transaction a failed clearing must not abort the
    // insert that follows it.
    Savepoint savepoint(QStringLiteral("clear_price"));
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE GuestInfo Set Price=:Price,YaJin=:YaJin,BeiZhu=:BeiZhu WHERE "
                                  "(BldRoomNo=:a) AND (Name=:b) AND (Flag<>:c)"));
    update.bindValue(QStringLiteral(":Price"), Currency().toSql());
    update.bindValue(QStringLiteral(":YaJin"), Currency().toSql());
    update.bindValue(QStringLiteral(":BeiZhu"), curGuest.BeiZhu);
    update.bindValue(QStringLiteral(":a"), bldRoomNo);
    update.bindValue(QStringLiteral(":b"), curGuest.Name);
    update.bindValue(QStringLiteral(":c"), flag(kFlagCheckOut));
    if (update.exec())
        return;
    savepoint.undo();
    ShowError(QStringLiteral("E0063"),
              DbFailureText(QStringLiteral("Clear GuestInfo Price Failure\n"), update.lastError().text(),
                            {QStringLiteral("BldRoomNo: ") + bldRoomNo, QStringLiteral("Name: ") + curGuest.Name,
                             QStringLiteral("Memo: ") + curGuest.BeiZhu}));
}

bool insertCurrentGuest(QString *error)
{
    QSqlDatabase db = Db();
    curGuest.ID = ReadNextId(db, kLargestGuestId, error);
    if (curGuest.ID < 1)
        return false;
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO GuestInfo VALUES(:ID,:BldRoomNo,:Name,:Sex,:CType,:CNo,:ComeTime,"
                                  ":GoTime,:CardID,:Flag,:BeiZhu,:Price,:YaJin)"));
    insert.bindValue(QStringLiteral(":BldRoomNo"), curGuest.BldRoomNo);
    insert.bindValue(QStringLiteral(":Name"), curGuest.Name);
    insert.bindValue(QStringLiteral(":Sex"), curGuest.Sex);
    insert.bindValue(QStringLiteral(":CType"), curGuest.CType);
    insert.bindValue(QStringLiteral(":CNo"), curGuest.CNo);
    insert.bindValue(QStringLiteral(":ComeTime"), curGuest.ComeTime);
    insert.bindValue(QStringLiteral(":GoTime"), curGuest.GoTime);
    insert.bindValue(QStringLiteral(":CardID"), curGuest.CardID);
    insert.bindValue(QStringLiteral(":Flag"), curGuest.Flag);
    insert.bindValue(QStringLiteral(":BeiZhu"), curGuest.BeiZhu);
    insert.bindValue(QStringLiteral(":Price"), curGuest.Price.toSql());
    insert.bindValue(QStringLiteral(":YaJin"), curGuest.YaJin.toSql());
    return InsertWithNextId(db, kLargestGuestId, insert, &curGuest.ID, error);
}

} // namespace

bool InsertGuestInfo()
{
    BusyCursor busy;
    if (settings.ClrPrice == 1)
        clearEarlierPrices();
    QString error;
    if (insertCurrentGuest(&error))
        return true;
    const TGuestInfo &g = curGuest;
    ShowError(QStringLiteral("E0026"),
              DbFailureText(QStringLiteral("Insert GuestInfo Failure\n"), error,
                            {QStringLiteral("ID:  %1").arg(g.ID), QStringLiteral("BldRoomNo: ") + g.BldRoomNo,
                             QStringLiteral("Name: ") + g.Name, QStringLiteral("Sex: ") + g.Sex,
                             QStringLiteral("CType: ") + g.CType, QStringLiteral("CNo.: ") + g.CNo,
                             QStringLiteral("CheckIn: ") + DateTimeText(g.ComeTime),
                             QStringLiteral("CheckOut: ") + DateTimeText(g.GoTime),
                             QStringLiteral("CardID: ") + g.CardID, QStringLiteral("Flag: ") + g.Flag,
                             QStringLiteral("Memo: ") + g.BeiZhu, QStringLiteral("Price: ") + g.Price.toString(),
                             QStringLiteral("Deposit: ") + g.YaJin.toString()}));
    return false;
}

bool ChangeReservationFlag(const QString &bldRoomNo, const QString &name, const QString &cNo, const QString &flag)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE GuestInfo SET Flag=:a WHERE ((Flag=:a1) AND (BldRoomNo=:b1) AND "
                                  "(Name=:c1) AND (CNo=:d1))"));
    update.bindValue(QStringLiteral(":a"), flag);
    update.bindValue(QStringLiteral(":a1"), QLatin1String(kFlagReservation));
    update.bindValue(QStringLiteral(":b1"), bldRoomNo);
    update.bindValue(QStringLiteral(":c1"), name);
    update.bindValue(QStringLiteral(":d1"), cNo);
    if (update.exec())
        return true;
    ShowError(QStringLiteral("E0065"),
              DbFailureText(QStringLiteral("Update GuestInfo Failure\n"), update.lastError().text(),
                            {QStringLiteral("BldRoomNo: ") + bldRoomNo, QStringLiteral("GuestName: ") + name,
                             QStringLiteral("Flag: ") + flag}));
    return false;
}

bool CloseGuestStay(const QString &bldRoomNo, const QString &name, const QString &cNo, const QDateTime &time,
                    const QString &flag)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    // Only the rows of the stay itself: the guest's reservations of the room
    // and rows already closed stay as they are.
    update.prepare(QStringLiteral("UPDATE GuestInfo SET GoTime=:a,Flag=:e WHERE ((BldRoomNo=:b1) AND (Name=:c1) "
                                  "AND (CNo=:d1) AND ((Flag=:b) OR (Flag=:c) OR (Flag=:d)))"));
    update.bindValue(QStringLiteral(":a"), time);
    update.bindValue(QStringLiteral(":e"), flag);
    bindCurrentGuestFlags(update);
    update.bindValue(QStringLiteral(":b1"), bldRoomNo);
    update.bindValue(QStringLiteral(":c1"), name);
    update.bindValue(QStringLiteral(":d1"), cNo);
    if (update.exec())
        return true;
    ShowError(QStringLiteral("E0028"),
              DbFailureText(QStringLiteral("CheckOut GuestInfo Failure\n"), update.lastError().text(),
                            {QStringLiteral("BldRoomNo: ") + bldRoomNo, QStringLiteral("GuestName: ") + name,
                             QStringLiteral("CNo.: ") + cNo, QStringLiteral("Flag: ") + flag,
                             QStringLiteral("dt: ") + DateTimeText(time)}));
    return false;
}

bool LoadGuestByCardID(const QString &cardID)
{
    ptrAryGuest = 0;
    lenAryGuest = 0;
    aryGuest.clear();
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM GuestInfo WHERE CardID=:a"));
    query.bindValue(QStringLiteral(":a"), cardID);
    if (!runLoad(query, QStringLiteral("CardID: ") + cardID))
        return false;
    const GuestColumns columns(query.record());
    QStringList ids;
    TGuestInfo last;
    while (query.next()) {
        std::optional<TGuestInfo> guest = readGuest(query, columns);
        if (!guest)
            return false;
        last = std::move(*guest);
        ids.append(QString::number(last.ID));
    }
    // One entry per row, so that a caller walking to lenAryGuest stays in the
    // list; only entry 0, the last row read, is filled.
    lenAryGuest = static_cast<int>(ids.size());
    aryGuest.resize(lenAryGuest);
    if (lenAryGuest > 0) {
        last.CardID = cardID;
        aryGuest[0] = last;
    }
    if (ids.size() > 1)
        ShowError(QStringLiteral("E0032"), QStringLiteral("GuestInfo Error, more than one record\n\nCardID: ") + cardID
                                               + QStringLiteral("\nGuestID:\n\n") + ids.join(u'\n'));
    return ids.size() == 1;
}

int LoadRoomGuests(const QString &bldRoomNo)
{
    ptrAryGuest = 0;
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM GuestInfo WHERE ((BldRoomNo=:a) AND ((Flag=:b) OR (Flag=:c) OR "
                                 "(Flag=:d))) ORDER BY Name,ID DESC"));
    query.bindValue(QStringLiteral(":a"), bldRoomNo);
    bindCurrentGuestFlags(query);
    aryGuest.clear();
    lenAryGuest = 0;
    if (!runLoad(query, QStringLiteral("BldRoomNo: ") + bldRoomNo))
        return 0;
    // Rows come newest first within a name: each guest keeps its newest row.
    const int rows = mergeRows(query, aryGuest, [](const TGuestInfo &previous, const TGuestInfo &row) {
        return !sameText(previous.Name, row.Name);
    });
    lenAryGuest = static_cast<int>(aryGuest.size());
    return rows;
}

int LoadRoomReservations(const QString &bldRoomNo)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM GuestInfo WHERE ((BldRoomNo=:a) AND (Flag=:b)) ORDER BY Name,ID DESC"));
    query.bindValue(QStringLiteral(":a"), bldRoomNo);
    query.bindValue(QStringLiteral(":b"), flag(kFlagReservation));
    aryReservation.clear();
    lenAryReservation = 0;
    if (!runLoad(query, QStringLiteral("BldRoomNo: ") + bldRoomNo))
        return 0;
    mergeRows(query, aryReservation,
              [](const TGuestInfo &previous, const TGuestInfo &row) { return !sameGuest(previous, row); });
    // A reservation is not yet a stay with a card: it keeps neither.
    for (TGuestInfo &reservation : aryReservation) {
        reservation.BldRoomNo = bldRoomNo;
        reservation.Flag.clear();
        reservation.CardID.clear();
    }
    lenAryReservation = static_cast<int>(aryReservation.size());
    return lenAryReservation;
}

int LoadGuestsByFlag(const QString &flag)
{
    ptrAryGuest = 0;
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM GuestInfo WHERE (Flag=:a) ORDER BY Name,ComeTime,ID DESC"));
    query.bindValue(QStringLiteral(":a"), flag);
    aryGuest.clear();
    lenAryGuest = 0;
    if (!runLoad(query, QStringLiteral("Flag: ") + flag))
        return 0;
    const int rows = mergeRows(query, aryGuest,
                               [](const TGuestInfo &previous, const TGuestInfo &row) { return !sameGuest(previous, row); });
    lenAryGuest = static_cast<int>(aryGuest.size());
    return rows;
}

bool ReadCurrentGuests(QList<TGuestInfo> *guests, QString *error)
{
    guests->clear();
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT * FROM GuestInfo WHERE ((Flag=:b) OR (Flag=:c) OR (Flag=:d)) "
                                 "ORDER BY BldRoomNo,ID"));
    bindCurrentGuestFlags(query);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    const GuestColumns columns(query.record());
    while (query.next()) {
        std::optional<TGuestInfo> guest = readGuest(query, columns);
        if (!guest) {
            *error = QStringLiteral("Amount out of range");
            return false;
        }
        guests->append(std::move(*guest));
    }
    return true;
}

namespace {

bool readRooms(QSqlQuery &query, const QString &key, QStringList *rooms)
{
    rooms->clear();
    if (!runLoad(query, key))
        return false;
    while (query.next())
        rooms->append(query.value(0).toString());
    return true;
}

} // namespace

bool ReadGroupRooms(const QString &flag, const QString &name, const QString &cNo, QStringList *rooms)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT DISTINCT BldRoomNo FROM GuestInfo WHERE ((Flag=:a) AND (Name=:b) AND (CNo=:c)) "
                                 "ORDER BY BldRoomNo"));
    query.bindValue(QStringLiteral(":a"), flag);
    query.bindValue(QStringLiteral(":b"), name);
    query.bindValue(QStringLiteral(":c"), cNo);
    return readRooms(query, QStringLiteral("Name: ") + name, rooms);
}

bool ReadBusyRooms(const QDateTime &checkIn, const QDateTime &checkOut, QStringList *rooms)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT DISTINCT BldRoomNo FROM GuestInfo WHERE ((Flag<>:a) AND (Flag<>:b))"
                                 " AND NOT ((ComeTime>:c) OR (GoTime<:d)) ORDER BY BldRoomNo"));
    query.bindValue(QStringLiteral(":a"), flag(kFlagCheckOut));
    query.bindValue(QStringLiteral(":b"), flag(kFlagCancelReservation));
    query.bindValue(QStringLiteral(":c"), checkOut);
    query.bindValue(QStringLiteral(":d"), checkIn);
    return readRooms(query, QStringLiteral("Period: ") + DateTimeText(checkIn) + QStringLiteral(" - ")
                                + DateTimeText(checkOut),
                     rooms);
}

bool CancelReservationRows(const QString &bldRoomNo, const QString &name, const QString &cNo, const QDateTime &time)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE GuestInfo SET GoTime=:a,Flag=:b WHERE ((Flag=:c) AND (BldRoomNo=:d) "
                                  "AND (Name=:e) AND (CNo=:f))"));
    update.bindValue(QStringLiteral(":a"), time);
    update.bindValue(QStringLiteral(":b"), flag(kFlagCancelReservation));
    update.bindValue(QStringLiteral(":c"), flag(kFlagReservation));
    update.bindValue(QStringLiteral(":d"), bldRoomNo);
    update.bindValue(QStringLiteral(":e"), name);
    update.bindValue(QStringLiteral(":f"), cNo);
    if (update.exec())
        return true;
    ShowError(QStringLiteral("E0028"),
              DbFailureText(QStringLiteral("CheckOut GuestInfo Failure\n"), update.lastError().text(),
                            {QStringLiteral("BldRoomNo: ") + bldRoomNo, QStringLiteral("GuestName: ") + name,
                             QStringLiteral("CNo.: ") + cNo, QStringLiteral("Flag: ") + flag(kFlagCancelReservation),
                             QStringLiteral("dt: ") + DateTimeText(time)}));
    return false;
}

QDateTime FirstReservationTime(const QString &bldRoomNo)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT Min(ComeTime) as ComeTime FROM GuestInfo WHERE ((BldRoomNo=:a) AND (Flag=:b))"));
    query.bindValue(QStringLiteral(":a"), bldRoomNo);
    query.bindValue(QStringLiteral(":b"), flag(kFlagReservation));
    if (!runLoad(query, QStringLiteral("BldRoomNo: ") + bldRoomNo) || !query.next())
        return DateTimeZero();
    return DateTimeFromSql(query.value(0));
}

QDateTime EarliestGoTime(const QString &bldRoomNo)
{
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT GoTime,Name FROM GuestInfo WHERE ((BldRoomNo=:a) AND ((Flag=:b) OR "
                                 "(Flag=:c) OR (Flag=:d))) ORDER BY Name,ID DESC"));
    query.bindValue(QStringLiteral(":a"), bldRoomNo);
    bindCurrentGuestFlags(query);
    if (!runLoad(query, QStringLiteral("BldRoomNo: ") + bldRoomNo))
        return DateTimeZero();
    QDateTime earliest;
    QString previousName;
    bool first = true;
    while (query.next()) {
        const QString name = query.value(1).toString();
        if (!first && sameText(name, previousName))
            continue;
        first = false;
        previousName = name;
        const QDateTime goTime = DateTimeFromSql(query.value(0));
        if (!earliest.isValid() || goTime < earliest)
            earliest = goTime;
    }
    return earliest.isValid() ? earliest : DateTimeZero();
}

bool ReadGuestReport(const GuestReportQuery &filter, const std::function<void(const TGuestInfo &)> &take,
                     QString *sql, QString *error)
{
    QString text = QStringLiteral("SELECT * FROM GuestInfo WHERE ( (ComeTime>=:a) AND (ComeTime<=:b)"
                                  " AND (GoTime>=:c) AND (GoTime<=:d)");
    if (!filter.room.isEmpty())
        text += QStringLiteral(" AND (BldRoomNo LIKE :e)");
    if (!filter.name.isEmpty())
        text += QStringLiteral(" AND (Name LIKE :f)");
    if (!filter.flag.isEmpty())
        text += QStringLiteral(" AND (Flag=:g)");
    text += QStringLiteral(") ORDER BY ");
    switch (filter.order) {
    case GuestReportOrder::Room:
        text += QStringLiteral("BldRoomNo, ComeTime DESC");
        break;
    case GuestReportOrder::ComeTime:
        text += QStringLiteral("ComeTime DESC, BldRoomNo");
        break;
    case GuestReportOrder::GoTime:
        text += QStringLiteral("GoTime DESC, BldRoomNo");
        break;
    case GuestReportOrder::Id:
        text += QStringLiteral("ID DESC");
        break;
    }
    *sql = text;
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(text);
    query.bindValue(QStringLiteral(":a"), filter.comeFrom);
    query.bindValue(QStringLiteral(":b"), filter.comeTo);
    query.bindValue(QStringLiteral(":c"), filter.goFrom);
    query.bindValue(QStringLiteral(":d"), filter.goTo);
    if (!filter.room.isEmpty())
        query.bindValue(QStringLiteral(":e"), u'%' + filter.room + u'%');
    if (!filter.name.isEmpty())
        query.bindValue(QStringLiteral(":f"), u'%' + filter.name + u'%');
    if (!filter.flag.isEmpty())
        query.bindValue(QStringLiteral(":g"), filter.flag);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    const GuestColumns columns(query.record());
    while (query.next()) {
        const std::optional<TGuestInfo> guest = readGuest(query, columns);
        if (!guest) {
            *error = QStringLiteral("Amount out of range");
            return false;
        }
        take(*guest);
    }
    return true;
}

bool DeleteGuestInfo(int id, QString *error)
{
    QSqlQuery remove(Db());
    remove.prepare(QStringLiteral("DELETE FROM GuestInfo WHERE ID=:a"));
    remove.bindValue(QStringLiteral(":a"), id);
    if (remove.exec())
        return true;
    *error = remove.lastError().text();
    return false;
}
