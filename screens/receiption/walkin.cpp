#include "screens/receiption/walkin.h"

#include "cards/cardwrite.h"
#include "core/clock.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/desktransaction.h"
#include "store/cardregister.h"
#include "store/guests.h"
#include "store/rooms.h"

namespace {

const QLatin1String kWalkIn("WalkIn");
const QLatin1String kTeamIn("TeamIn");
const QLatin1String kReservationCheckIn("ReservationCheckIn");
const QLatin1String kChange("Change");
const QLatin1String kPostpone("Postpone");

constexpr int kMaxName = 50;
constexpr int kMaxMemo = 100;
constexpr int kMaxFlag = 50;
constexpr int kGuestCard = 6;

bool validRoomIndex(int index)
{
    return index >= 0 && index < aryRoom.size();
}

Currency amountOf(const QString &text)
{
    return Currency::parse(text).value_or(Currency());
}

bool roomChecks(const IssueRequest &request, const DeskTexts &texts)
{
    if (!VerifyCurrentRoom(request.roomNoText, texts))
        return false;
    if (curRoom.CardCount >= curRoom.MaxCards) {
        ShowWarning(QStringLiteral("N9035"),
                    u'\n' + texts.msgOverCards + QStringLiteral("\n\n")
                        + QStringLiteral("%1:  %2\n").arg(texts.CardCount + QStringLiteral(": ")).arg(curRoom.CardCount)
                        + QStringLiteral("%1:  %2").arg(texts.CardNum).arg(curRoom.MaxCards));
        return false;
    }
    return curRoom.Status == RoomStatusText(RoomStatus::VC) || AskOkCancel(QStringLiteral("N9070"), texts.msgNotVC);
}

bool timeChecks(const IssueRequest &request, const DeskTexts &texts, const QDateTime &now)
{
    if (now >= request.checkOut) {
        ShowWarning(QStringLiteral("N9037"), u'\n' + texts.errExpiredTime + QStringLiteral("\n\nNow:       ")
                                                 + DateTimeText(now) + u'\n' + texts.ExpiredDate
                                                 + QStringLiteral(": ") + DateTimeText(request.checkOut));
        return false;
    }
    // The planned stay runs into the room's next reservation.
    if (curMenu != kReservationCheckIn && curRoom.ReservCkIn > DateTimeZero() && curRoom.ReservCkIn < request.checkOut)
        return AskOkCancel(QStringLiteral("N9072"), texts.msgExceedYuDing);
    return true;
}

// A further card for the guest selected in the room's list is a copy.
QString provisionalFlag()
{
    const bool selected = lenAryGuest > 0 && ptrAryGuest >= 0 && ptrAryGuest < lenAryGuest;
    return selected && curGuest.Name == aryGuest[ptrAryGuest].Name ? QString(kFlagCopy) : QString(kWalkIn);
}

QString cardNote(const IssueRequest &request, const DeskTexts &texts)
{
    QString note;
    if (curMenu == kChange)
        note = texts.Change;
    else if (curMenu == kPostpone)
        note = texts.Postponed;
    if (request.cover) {
        const QString cover = ShownCaption(texts.NewCheckIn);
        note = note.isEmpty() ? cover : note + QStringLiteral(", ") + cover;
    }
    return note;
}

void prepareCard(const QString &note)
{
    curCard = TCardInfo();
    curCard.iType = kGuestCard;
    curCard.Holder = curGuest.Name;
    curCard.BeiZhu = curGuest.BeiZhu;
    curCard.Status = note;
    curCard.EndTime = curGuest.GoTime;
    GuestCoID = settings.dlsCoID;
}

QString finalFlag(const IssueRequest &request)
{
    // The first card of a room is never a copy.
    const QString flag = curRoom.CardCount == 0 ? QString(kWalkIn) : curGuest.Flag;
    const bool team = curMenu == kTeamIn
                      || (curMenu == kWalkIn && curRoom.Status == RoomStatusText(RoomStatus::OC_Team))
                      || (curMenu == kReservationCheckIn && request.chosenRooms > 1);
    if (team)
        return kTeamIn;
    // A moving guest keeps the kind of stay.
    return curMenu == kChange ? oldGuest.Flag : flag;
}

QString newStatus(const IssueRequest &request)
{
    if (request.hourRate)
        return RoomStatusText(RoomStatus::OH);
    const QString team = RoomStatusText(RoomStatus::OC_Team);
    if (curMenu == kTeamIn || curGuest.Flag == kTeamIn || curRoom.Status == team
        || (curMenu == kChange && request.change.oldRoom.Status == team))
        return team;
    return RoomStatusText(RoomStatus::OC_WalkIn);
}

bool movesRoom(const IssueRequest &request)
{
    return curMenu == kChange && curRoom.BldRoomNo != request.change.oldRoom.BldRoomNo;
}

// The stay's rows, all or none: the guest row, in a room change the old card's
// register mark, the old stay and the old room, the re-flagged reservation of
// a reservation check-in, and the room. aryRoom and curRoom take the rooms
// only once they are committed.
bool recordStay(const IssueRequest &request, const DeskTexts &texts, const QDateTime &now)
{
    DeskTransaction transaction({QStringLiteral("BldRoomNo: ") + curGuest.BldRoomNo,
                                 QStringLiteral("Name: ") + curGuest.Name, QStringLiteral("CardID: ") + curGuest.CardID});
    if (!transaction.begin())
        return false;
    if (!InsertGuestInfo())
        return false;
    TRoomInfo oldRoom = request.change.oldRoom;
    if (movesRoom(request)
        && !CheckOutStay(request.change.oldCardData, oldGuest.BldRoomNo, &oldRoom, QLatin1String(kFlagCheckOut),
                         oldGuest.CNo, oldGuest.Name))
        return false;
    TRoomInfo room = curRoom;
    if (curMenu == kReservationCheckIn) {
        const QString flag = (u'[' + texts.ReservationCheckIn + u']' + DateTimeText(now)).left(kMaxFlag);
        if (!ChangeReservationFlag(room.BldRoomNo, curGuest.Name, curGuest.CNo, flag))
            return false;
        room.ReservCkIn = FirstReservationTime(room.BldRoomNo);
    }
    room.FirstCkOut = EarliestGoTime(room.BldRoomNo);
    room.Status = newStatus(request);
    if (curMenu != kPostpone)
        ++room.CardCount;
    if (!SaveRoomState(room, -1))
        return false;
    if (!transaction.commit())
        return false;
    if (movesRoom(request) && validRoomIndex(request.change.ptrOldRoom))
        aryRoom[request.change.ptrOldRoom] = oldRoom;
    curRoom = room;
    if (validRoomIndex(ptrAryRoom))
        aryRoom[ptrAryRoom] = room;
    // The board shows the room's new state once the panel closes.
    isNeedRefreshRooms = true;
    return true;
}

// The stay was not recorded: the card must not open the room the register
// shows as vacant.
void withdrawCard()
{
    if (EraseWrittenCard(QStringLiteral("its stay was not recorded")))
        MarkCardErased(curCard.CardData);
}

void showIssued(const DeskTexts &texts)
{
    ShowInfo(QStringLiteral("N9038"),
             u'\n' + texts.msgIssueCardOK + QStringLiteral("\n\n")
                 + QStringLiteral("%1:  %2").arg(texts.RoomNo, curGuest.BldRoomNo) + QStringLiteral("\n\n")
                 + QStringLiteral("%1:  %2").arg(texts.ExpiredDate,
                                                 curGuest.GoTime.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
}

} // namespace

int WalkInRoomIndex()
{
    const QString &lockNo = curRoom.LockNo;
    if (lockNo.size() == 9 && lockNo.left(3).toInt() == curBld.BldNo) {
        const int index = GetPointerOfAryRoom(ByLockNo, lockNo);
        if (validRoomIndex(index))
            return index;
    }
    return ptrCurBldOfAryRoom;
}

bool VerifyCurrentRoom(const QString &roomNoText, const DeskTexts &texts)
{
    if (validRoomIndex(ptrAryRoom) && !roomNoText.trimmed().isEmpty()) {
        if (curRoom.LockNo == aryRoom[ptrAryRoom].LockNo)
            return true;
        ShowError(QStringLiteral("E0024"), QStringLiteral("System Error---E0024\n\ncurRoom.LockNo = ") + curRoom.LockNo
                                               + QStringLiteral("\naryRoom[ptrAryRoom].LockNo = ")
                                               + aryRoom[ptrAryRoom].LockNo);
        return false;
    }
    ShowWarning(QStringLiteral("N9036"), u'\n' + texts.InputRoomNo + QStringLiteral("\n\nRoomNo. = ") + roomNoText
                                             + QStringLiteral("\nptrAryRoom = %1").arg(ptrAryRoom));
    return false;
}

void CollectGuestFields(const GuestFields &fields, const QDateTime &checkOut, const QDateTime &checkInTime)
{
    TGuestInfo guest;
    guest.BldRoomNo = curRoom.BldRoomNo;
    QString name = fields.name.trimmed();
    if (name.isEmpty())
        name = u'[' + curMenu + u']' + guest.BldRoomNo;
    guest.Name = name.left(kMaxName);
    guest.Sex = fields.sex;
    guest.CType = fields.cType;
    guest.CNo = fields.cNo.trimmed();
    if (guest.CNo.isEmpty()) {
        guest.CType = QStringLiteral("Auto");
        guest.CNo = QStringLiteral("No") + Clock().now().toString(QStringLiteral("yyyyMMddHHmmss"));
    }
    guest.BeiZhu = fields.memo.left(kMaxMemo);
    guest.Price = amountOf(fields.price);
    guest.YaJin = amountOf(fields.deposit);
    guest.ComeTime = checkInTime;
    if (!fields.checkIn.trimmed().isEmpty() && fields.listedGuest) {
        const QDateTime continued = QDateTime::fromString(fields.checkIn.trimmed(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (continued.isValid())
            guest.ComeTime = continued;
    }
    guest.GoTime = QDateTime(checkOut.date(), QTime(checkOut.time().hour(), checkOut.time().minute(), 59));
    curGuest = guest;
}

bool IssueGuestCard(const IssueRequest &request, const DeskTexts &texts)
{
    if (curMenu != kPostpone && !roomChecks(request, texts))
        return false;
    const QDateTime now = Clock().now();
    if (!timeChecks(request, texts, now))
        return false;
    CollectGuestFields(request.guest, request.checkOut, now);
    curGuest.Flag = provisionalFlag();
    const QString note = cardNote(request, texts);
    if (request.cover)
        curRoom.Dai = (curRoom.Dai + 1) % 256;
    if (curMenu == kChange)
        curGuest.BeiZhu = request.change.oldRoom.BldRoomNo + QStringLiteral(" -> ") + curRoom.BldRoomNo
                          + QStringLiteral(", ") + curGuest.BeiZhu;
    prepareCard(note);
    if (!WriteCardOnEncoder())
        return false;
    curGuest.CardID = curCard.CardID;
    curGuest.Flag = finalFlag(request);
    if (!recordStay(request, texts, now)) {
        withdrawCard();
        return false;
    }
    showIssued(texts);
    return true;
}
