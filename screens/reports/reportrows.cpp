#include "screens/reports/reportrows.h"

#include "core/hexdigits.h"
#include "core/operatorport.h"
#include "core/records.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/reports/reportstexts.h"
#include "store/cardregister.h"
#include "store/dbfailure.h"
#include "store/guests.h"
#include "store/rooms.h"

#include <QHash>

#include <optional>

namespace {

enum CardColumn { CardMark, CardType, CardRoom, CardIssue, CardEnd, CardHolder, CardMemo, CardStatus, CardOperator,
                  CardDataColumn, CardIdColumn, CardRowId, CardColumns };
enum GuestColumn { GuestMark, GuestName, GuestRoom, GuestCome, GuestGo, GuestFlag, GuestMemo, GuestSex, GuestCType,
                   GuestCNo, GuestPrice, GuestDeposit, GuestCardId, GuestRowId, GuestColumns };
enum OpenColumn { OpenMark, OpenCardId, OpenHolder, OpenTimeColumn, OpenType, OpenMemo, OpenData, OpenColumns };

constexpr int kMarkWidth = 15;

// Two or four digits, zero-padded, written at out.
void putDigits(QChar *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = QChar(u'0' + value % 10);
        value /= 10;
    }
}

// "yyyy-MM-dd HH:mm": the short date and the time the cards report shows. Built
// by hand because a report formats two of these for every card of the register.
QString shortDateTime(const QDateTime &time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    QString text(16, Qt::Uninitialized);
    QChar *out = text.data();
    putDigits(out, date.year(), 4);
    out[4] = u'-';
    putDigits(out + 5, date.month(), 2);
    out[7] = u'-';
    putDigits(out + 8, date.day(), 2);
    out[10] = u' ';
    putDigits(out + 11, clock.hour(), 2);
    out[13] = u':';
    putDigits(out + 14, clock.minute(), 2);
    return text;
}

bool noFilter(const ReportsTexts &texts, const QString &value)
{
    return value.isEmpty() || value == texts.All;
}

bool within(const QDateTime &time, const QDateTime &from, const QDateTime &to)
{
    return time >= from && time <= to;
}

void showQueryFailure(const QString &sql, const QString &error)
{
    ShowError(QStringLiteral("E0078"), DbFailureText(QStringLiteral("Read Report Failure\n"), error, {sql}));
}

// The rooms of the registry by lock number, the first room of a number
// winning as in the registry's own lookup. A cards report names the room of
// every guest card, so it looks them up here rather than walking the registry
// once per card.
class RoomsByLock {
public:
    RoomsByLock()
    {
        for (const TRoomInfo &room : aryRoom)
            m_rooms.insert(room.LockNo, room.BldRoomNo);
    }
    QString roomOfAddress(const QString &code) const
    {
        const QStringView digits(code);
        const std::optional<int> romId = HexValue(digits.mid(2, 2));
        const std::optional<int> flrNo = HexValue(digits.mid(4, 2));
        const std::optional<int> bldNo = HexValue(digits.mid(6, 2));
        if (code.size() == 8 && romId && flrNo && bldNo) {
            const auto found = m_rooms.constFind(LockNoOf(*bldNo, *flrNo, *romId));
            if (found != m_rooms.constEnd())
                return *found;
        }
        // The registry's own answer for a room it lacks, with its box.
        return BldRoomNoOfLockAddress(code);
    }

private:
    QHash<QString, QString> m_rooms;
};

QString cardTypeName(int kind)
{
    return kind >= 0 && kind < 16 ? CardTypeNames[kind] : QString();
}

bool hasEndTime(int kind)
{
    return kind == 6 || kind == 8 || kind == 10 || kind == 11 || kind == 12 || kind == 13;
}

// The room column of a building or floor card; empty for other kinds.
QString areaOf(int kind, const QString &cardData)
{
    const std::optional<int> building = HexValue(QStringView(cardData).mid(15, 1));
    if (!building)
        return QString();
    if (kind == 12)
        return QString::number(*building);
    const std::optional<int> floor = HexValue(QStringView(cardData).mid(12, 2));
    if (kind != 13 || !floor)
        return QString();
    // A floor 0 prints no digits, as "%.d" does.
    const int floorNo = *floor % 128;
    return (floorNo == 0 ? QString() : QString::number(floorNo)) + QStringLiteral("/F @ ") +
           QString::number(*building);
}

void setCardColumns(ReportTable *table, const ReportsTexts &t)
{
    table->headers = {QString(), t.Type, t.RoomNo, t.CheckIn, t.CheckOut, t.Holder, t.BeiZhu,
                      t.Status,  t.GongHao, t.CardData, t.CardID, QStringLiteral(" ID")};
    table->widths = {kMarkWidth, 160, 100, 160, 160, 120, 180, 180, 120, 320, 120, 80};
}

// One register row as a report row; nullopt when a filter leaves it out.
std::optional<QStringList> cardRow(const CardRegisterRow &card, const ReportsTexts &t, const ReportFilters &f,
                                   const RoomsByLock &rooms)
{
    QStringList row(CardColumns);
    row[CardRowId] = QString::number(card.ID);
    const int kind = HexValue(QStringView(card.CardData).mid(18, 1)).value_or(-1);
    row[CardType] = cardTypeName(kind);
    if (!noFilter(t, f.type) && f.type != row[CardType])
        return std::nullopt;
    if (kind == 2 || kind == 6) {
        row[CardRoom] = rooms.roomOfAddress(card.CardData.mid(8, 8));
        // A card of a room that has gone is listed whatever the filters, ready
        // to be deleted.
        if (row[CardRoom].startsWith(QLatin1String("Error: "))) {
            row[CardMark] = QLatin1String(kMarkDelete);
            return row;
        }
    } else {
        row[CardRoom] = areaOf(kind, card.CardData);
    }
    if (!f.room.isEmpty() && !row[CardRoom].contains(f.room))
        return std::nullopt;
    const QDateTime issued = DecodeCardTime(true, card.CardData.mid(20, 6));
    if (!within(issued, f.checkInFrom, f.checkInTo))
        return std::nullopt;
    row[CardIssue] = shortDateTime(issued);
    if (hasEndTime(kind)) {
        const QDateTime end = DecodeCardTime(true, card.CardData.mid(26, 6));
        if (!within(end, f.checkOutFrom, f.checkOutTo))
            return std::nullopt;
        row[CardEnd] = shortDateTime(end);
    }
    row[CardHolder] = card.Holder;
    row[CardMemo] = card.BeiZhu;
    row[CardStatus] = card.Status;
    row[CardOperator] = card.GongHao;
    row[CardDataColumn] = card.CardData;
    row[CardIdColumn] = card.CardData.mid(18, 8);
    return row;
}

bool buildCards(const ReportsTexts &t, const ReportFilters &f, ReportTable *table)
{
    setCardColumns(table, t);
    const RoomsByLock rooms;
    QString error;
    const bool read = ReadCardRegister(
        noFilter(t, f.gongHao) ? QString() : f.gongHao,
        [&](const CardRegisterRow &card) {
            if (std::optional<QStringList> row = cardRow(card, t, f, rooms))
                table->rows.append(std::move(*row));
        },
        &table->sql, &error);
    if (!read)
        showQueryFailure(table->sql, error);
    return read;
}

QString amountText(Currency amount)
{
    return amount == Currency() ? QString() : amount.toString();
}

bool buildGuests(const ReportsTexts &t, const ReportFilters &f, ReportTable *table)
{
    table->headers = {QString(), t.GuestName, t.RoomNo, t.lblCheckIn, t.lblCheckOut, t.Status, t.Memo,
                      t.Sex,     t.CType,     t.CNo,    t.Price,      t.Deposit,     t.CardID, QStringLiteral(" ID")};
    table->widths = {kMarkWidth, 160, 100, 180, 180, 180, 160, 100, 160, 240, 160, 160, 120, 80};
    const QStringList flags = GuestFlagValues();
    GuestReportQuery query;
    query.comeFrom = f.checkInFrom;
    query.comeTo = f.checkInTo;
    query.goFrom = f.checkOutFrom;
    query.goTo = f.checkOutTo;
    query.room = f.room;
    query.name = f.name;
    const qsizetype position = t.flagNames.indexOf(f.type);
    if (!noFilter(t, f.type))
        query.flag = position >= 0 ? flags[position] : f.type;
    if (f.order == t.RoomNo)
        query.order = GuestReportOrder::Room;
    else if (f.order == t.lblCheckIn)
        query.order = GuestReportOrder::ComeTime;
    else if (f.order == t.lblCheckOut)
        query.order = GuestReportOrder::GoTime;
    QString error;
    const bool read = ReadGuestReport(
        query,
        [&](const TGuestInfo &g) {
            QStringList row(GuestColumns);
            row[GuestName] = g.Name;
            row[GuestRoom] = g.BldRoomNo;
            row[GuestCome] = DateTimeText(g.ComeTime);
            row[GuestGo] = DateTimeText(g.GoTime);
            const qsizetype shown = flags.indexOf(g.Flag);
            row[GuestFlag] = shown >= 0 ? t.flagNames.value(shown) : g.Flag;
            row[GuestMemo] = g.BeiZhu;
            row[GuestSex] = g.Sex;
            row[GuestCType] = g.CType;
            row[GuestCNo] = g.CNo;
            row[GuestPrice] = amountText(g.Price);
            row[GuestDeposit] = amountText(g.YaJin);
            row[GuestCardId] = g.CardID;
            row[GuestRowId] = QString::number(g.ID);
            table->rows.append(std::move(row));
        },
        &table->sql, &error);
    if (!read)
        showQueryFailure(table->sql, error);
    return read;
}

bool isKeyOpen(const QString &cardId)
{
    return cardId == QLatin1String("00000000");
}

bool isNoCard(const QString &cardId)
{
    return cardId.compare(QLatin1String("FFFFFFFF"), Qt::CaseInsensitive) == 0;
}

// The lock that system record 2 names: room index, floor and building, a byte
// each, in its characters 3-8. The building takes its whole byte, as buildings
// run up to 250. The registry room of that full lock number names the report.
void nameLock(const QString &address, ReportTable *table)
{
    const QStringView digits(address);
    curRoom.RomID = HexValue(digits.mid(0, 2)).value_or(0);
    curRoom.FlrNo = HexValue(digits.mid(2, 2)).value_or(0);
    curRoom.BldNo = HexValue(digits.mid(4, 2)).value_or(0);
    curRoom.LockNo = LockNoOf(curRoom.BldNo, curRoom.FlrNo, curRoom.RomID);
    table->lockNo = curRoom.LockNo;
    if (address.isEmpty())
        return;
    for (const TRoomInfo &room : aryRoom) {
        if (room.LockNo == curRoom.LockNo) {
            table->roomName = room.BldRoomNo;
            return;
        }
    }
}

bool buildOpen(const ReportsTexts &t, ReportTable *table)
{
    table->headers = {QString(), t.CardID, t.Holder, t.Time, t.Type, t.BeiZhu, QStringLiteral("DATA")};
    table->widths = {kMarkWidth, 100, 160, 180, 160, 180, 160};
    QList<RecordOpenRow> records;
    QString error;
    if (!ReadRecordOpen(&records, &table->sql, &error)) {
        showQueryFailure(table->sql, error);
        return false;
    }
    QString lockAddress;
    for (const RecordOpenRow &record : records) {
        QStringList row(OpenColumns);
        row[OpenData] = record.RecData;
        row[OpenCardId] = record.RecData.left(8);
        if (record.OpenTime.date().year() > 2013)
            row[OpenTimeColumn] = DateTimeText(record.OpenTime);
        if (record.OrderFlag != 0) {
            row[OpenType] = QStringLiteral("SYSTEM DATA  ") + QString::number(record.OrderFlag);
            row[OpenMark] = QLatin1String(kMarkKnown);
        } else if (isKeyOpen(row[OpenCardId])) {
            row[OpenType] = t.KeyOpen;
        } else if (!isNoCard(row[OpenCardId])) {
            row[OpenType] = cardTypeName(HexValue(QStringView(record.RecData).left(1)).value_or(-1));
        }
        if (record.OrderFlag == 2)
            lockAddress = record.RecData.mid(2, 6);
        table->rows.append(std::move(row));
    }
    for (QStringList &row : table->rows) {
        if (row[OpenMark] == QLatin1String(kMarkKnown) || isKeyOpen(row[OpenCardId]) || isNoCard(row[OpenCardId]))
            continue;
        std::optional<CardRegisterRow> card;
        if (!FindCardById(row[OpenCardId], &card, &error)) {
            showQueryFailure(QStringLiteral("SELECT * FROM CardInfo WHERE Mid(CardData,19,8)=:a"), error);
            return false;
        }
        if (card) {
            row[OpenMark] = QLatin1String(kMarkKnown);
            row[OpenHolder] = card->Holder;
            row[OpenMemo] = card->BeiZhu;
        }
    }
    nameLock(lockAddress, table);
    return true;
}

} // namespace

ReportFilters DefaultReportFilters(const ReportsTexts &texts, const QDateTime &now)
{
    const QDate weekAgo = now.date().addDays(-7);
    ReportFilters f;
    f.checkInFrom = QDateTime(weekAgo, QTime(0, 0));
    f.checkInTo = QDateTime(now.date(), QTime(23, 59, 59));
    f.checkOutFrom = QDateTime(weekAgo, QTime(0, 0));
    f.checkOutTo = QDateTime(QDate(2099, 12, 30), QTime(23, 59, 59));
    f.gongHao = texts.All;
    return f;
}

ReportKind ReportKindOf(const ReportsTexts &texts, const QString &name)
{
    if (name == texts.CardsReport)
        return ReportKind::Cards;
    if (name == texts.GuestsReport)
        return ReportKind::Guests;
    if (name == texts.OpenReport)
        return ReportKind::Open;
    return ReportKind::None;
}

QString ReportName(const ReportsTexts &texts, ReportKind kind)
{
    switch (kind) {
    case ReportKind::Cards:
        return texts.CardsReport;
    case ReportKind::Guests:
        return texts.GuestsReport;
    case ReportKind::Open:
        return texts.OpenReport;
    case ReportKind::None:
        break;
    }
    return QString();
}

QStringList ReportTypeList(const ReportsTexts &texts, ReportKind kind)
{
    QStringList list;
    if (kind == ReportKind::Guests) {
        list = texts.flagNames;
    } else {
        for (int i = 0; i < 16; ++i) {
            if (CardTypeNames[i] != QLatin1String("UNKNOWN"))
                list.append(CardTypeNames[i]);
        }
    }
    list.append(texts.All);
    return list;
}

QStringList ReportOrderList(const ReportsTexts &texts, ReportKind kind)
{
    switch (kind) {
    case ReportKind::Cards:
        return {texts.CheckIn};
    case ReportKind::Guests:
        return {texts.RoomNo, texts.lblCheckIn, texts.lblCheckOut};
    case ReportKind::Open:
        return {texts.OpenTime};
    case ReportKind::None:
        break;
    }
    return {};
}

bool BuildReport(ReportKind kind, const ReportsTexts &texts, const ReportFilters &filters, ReportTable *table)
{
    BusyCursor busy;
    *table = ReportTable();
    table->kind = kind;
    switch (kind) {
    case ReportKind::Cards:
        return buildCards(texts, filters, table);
    case ReportKind::Guests:
        return buildGuests(texts, filters, table);
    case ReportKind::Open:
        return buildOpen(texts, table);
    case ReportKind::None:
        break;
    }
    return true;
}
