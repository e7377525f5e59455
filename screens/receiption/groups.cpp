#include "screens/receiption/groups.h"

#include "core/clock.h"
#include "core/operatorport.h"
#include "core/state.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/desktransaction.h"
#include "store/guests.h"
#include "store/rooms.h"

#include <QSet>

namespace {

// curRoom and ptrAryRoom for the room key, as a click on it in the list sets them.
bool serveRoom(const QString &bldRoomNo)
{
    ptrAryRoom = GetPointerOfAryRoom(ByBldRoomNo, bldRoomNo);
    if (ptrAryRoom < 0 || ptrAryRoom >= aryRoom.size())
        return false;
    curRoom = aryRoom[ptrAryRoom];
    return true;
}

// A reservation that starts before the room's recorded one, or replaces one
// that has passed, marks the room from now on.
bool marksTheRoom(const TRoomInfo &room, const QDateTime &comeTime, const QDateTime &now)
{
    return room.ReservCkIn <= DateTimeZero() || now > room.ReservCkIn || room.ReservCkIn > comeTime;
}

} // namespace

QStringList ListVacantRooms()
{
    const QString vacant = RoomStatusText(RoomStatus::VC);
    QStringList rooms;
    for (const TRoomInfo &room : std::as_const(aryRoom)) {
        if (room.Status == vacant)
            rooms.append(room.BldRoomNo);
    }
    return rooms;
}

bool ListGroupRooms(const QString &flag, const TGuestInfo &holder, QStringList *rooms)
{
    return ReadGroupRooms(flag, holder.Name, holder.CNo, rooms);
}

int TeamCardTotal(const QStringList &rooms)
{
    int total = 0;
    for (const QString &room : rooms)
        total += GetPointerOfAryRoom(CardCountOf, room);
    return total;
}

bool SearchFreeRooms(const QDateTime &checkIn, const QDateTime &checkOut, const DeskTexts &texts, QStringList *rooms)
{
    const QDateTime now = Clock().now();
    if (now > checkIn || checkOut <= checkIn) {
        ShowWarning(QStringLiteral("N9084"),
                    QStringLiteral("Please input the time of Check-In and Check-Out of reservation correctlly.\n\n"
                                   "Now:        ")
                        + DateTimeText(now) + QStringLiteral("\nCheck-In:   ") + DateTimeText(checkIn)
                        + QStringLiteral("\nCheck-Out:  ") + DateTimeText(checkOut));
        return false;
    }
    ShowWarning(QStringLiteral("N9085"),
                texts.msgInputNameAndCNo + QStringLiteral("\n\n") + texts.GuestName + u'\n' + texts.CNo);
    QStringList busyRooms;
    if (!ReadBusyRooms(checkIn, checkOut, &busyRooms))
        return false;
    const QSet<QString> busy(busyRooms.cbegin(), busyRooms.cend());
    rooms->clear();
    for (const TRoomInfo &room : std::as_const(aryRoom)) {
        if (!busy.contains(room.BldRoomNo))
            rooms->append(room.BldRoomNo);
    }
    return true;
}

bool MakeReservation(const ReservationRequest &request, const DeskTexts &texts)
{
    if (request.rooms.isEmpty())
        return false;
    isNeedRefreshRooms = true;
    curRoom.BldRoomNo = request.rooms.first();
    CollectGuestFields(request.holder, request.checkOut, request.checkIn);
    curGuest.Flag = QLatin1String(kFlagReservation);
    const QDateTime now = Clock().now();
    DeskTransaction transaction({QStringLiteral("Name: ") + curGuest.Name,
                                 QStringLiteral("Rooms: ") + request.rooms.join(u' ')});
    if (!transaction.begin())
        return false;
    QList<QPair<int, TRoomInfo>> marked;
    for (const QString &bldRoomNo : request.rooms) {
        if (!serveRoom(bldRoomNo))
            return false;
        curGuest.BldRoomNo = curRoom.BldRoomNo;
        if (!InsertGuestInfo())
            return false;
        if (marksTheRoom(curRoom, curGuest.ComeTime, now)) {
            TRoomInfo room = curRoom;
            room.ReservCkIn = curGuest.ComeTime;
            if (!SaveRoomState(room, -1))
                return false;
            marked.append({ptrAryRoom, room});
        }
    }
    if (!transaction.commit())
        return false;
    for (const auto &[index, room] : std::as_const(marked))
        aryRoom[index] = room;
    ShowInfo(QStringLiteral("N9083"), texts.msgReservationOK);
    return true;
}

bool CheckOutGroup(const QStringList &rooms, const QString &name, const DeskTexts &texts)
{
    if (rooms.isEmpty() || !AskOkCancel(QStringLiteral("N9080"), texts.msgTeamCheckOut))
        return false;
    for (const QString &bldRoomNo : rooms) {
        if (!serveRoom(bldRoomNo)
            || !CheckOutGuestInRoom(QString(), curRoom.BldRoomNo, curRoom, QLatin1String(kFlagCheckOut), curGuest.CNo,
                                    name))
            return false;
    }
    isNeedRefreshRooms = true;
    ShowInfo(QStringLiteral("N9079"), texts.msgTeamCheckOutOK);
    return true;
}

bool CancelReservation(const QStringList &rooms, const QString &name, const DeskTexts &texts)
{
    if (rooms.isEmpty()
        || !AskOkCancel(QStringLiteral("N9081"), texts.msgCancelReservation + u'\n' + texts.msgCancelReservation1))
        return false;
    const QDateTime now = Clock().now();
    for (const QString &bldRoomNo : rooms) {
        if (!serveRoom(bldRoomNo))
            return false;
        // A room's reservation rows and its first reservation time go together.
        DeskTransaction transaction({QStringLiteral("BldRoomNo: ") + bldRoomNo, QStringLiteral("Name: ") + name});
        if (!transaction.begin() || !CancelReservationRows(bldRoomNo, name, curGuest.CNo, now))
            return false;
        TRoomInfo room = curRoom;
        room.ReservCkIn = FirstReservationTime(bldRoomNo);
        const bool moved = room.ReservCkIn != curRoom.ReservCkIn;
        if ((moved && !SaveRoomState(room, -1)) || !transaction.commit())
            return false;
        aryRoom[ptrAryRoom] = room;
        curRoom = room;
    }
    isNeedRefreshRooms = true;
    ShowInfo(QStringLiteral("N9082"), texts.msgCancelReservationOK);
    return true;
}
