#include "screens/receiption/checkout.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/clock.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/receiption/desktransaction.h"
#include "screens/receiption/guestcard.h"
#include "screens/receiption/walkin.h"
#include "store/cardregister.h"
#include "store/guests.h"
#include "store/rooms.h"

namespace {

constexpr int kCardDataLength = 32;

// The room's place in aryRoom: ptrAryRoom when it holds the room, else found by its key.
int roomIndexOf(const QString &bldRoomNo)
{
    if (ptrAryRoom >= 0 && ptrAryRoom < aryRoom.size() && aryRoom[ptrAryRoom].BldRoomNo == bldRoomNo)
        return ptrAryRoom;
    for (int i = 0; i < aryRoom.size(); ++i) {
        if (aryRoom[i].BldRoomNo == bldRoomNo)
            return i;
    }
    return -1;
}

QString resultLine(const QString &label, const QString &value)
{
    return QStringLiteral("%1:  %2").arg(label, value);
}

} // namespace

bool CheckOutStay(const QString &cardData, const QString &bldRoomNo, TRoomInfo *room, const QString &flag,
                  const QString &cNo, const QString &name)
{
    if (cardData.size() == kCardDataLength && !MarkCardErased(cardData))
        return false;
    if (!CloseGuestStay(bldRoomNo, name, cNo, Clock().now(), flag))
        return false;
    LoadRoomGuests(bldRoomNo);
    room->FirstCkOut = EarliestGoTime(bldRoomNo);
    room->CardCount -= 1;
    if (room->CardCount <= 0 || lenAryGuest == 0) {
        room->CardCount = 0;
        room->BeiZhu.clear();
        room->Status = RoomStatusText(settings.FlagCheckOut == 1 ? RoomStatus::VD : RoomStatus::VC);
    }
    return SaveRoomState(*room, -1);
}

int RoomGuestIndex(const QString &name)
{
    for (int i = 0; i < lenAryGuest && i < aryGuest.size(); ++i) {
        if (aryGuest[i].Name == name)
            return i;
    }
    return -1;
}

bool CheckOutGuestInRoom(const QString &cardData, const QString &bldRoomNo, const TRoomInfo &room,
                         const QString &flag, const QString &cNo, const QString &name)
{
    // The card's register mark, the closed stay and the room's new counts
    // stand or fall together: a room must not stay occupied by a stay that
    // ended, nor be vacated while the stay is still open.
    DeskTransaction transaction({QStringLiteral("BldRoomNo: ") + bldRoomNo, QStringLiteral("Name: ") + name});
    if (!transaction.begin())
        return false;
    TRoomInfo left = room;
    if (!CheckOutStay(cardData, bldRoomNo, &left, flag, cNo, name) || !transaction.commit())
        return false;
    const int index = roomIndexOf(left.BldRoomNo);
    if (index >= 0)
        aryRoom[index] = left;
    isNeedRefreshRooms = true;
    return true;
}

bool CheckOutWithoutCard(const QString &roomNoText, const QString &name, const DeskTexts &texts)
{
    if (!VerifyCurrentRoom(roomNoText, texts))
        return false;
    if (!AskYesNo(QStringLiteral("QUERY?"), QStringLiteral("确定要进行无卡退房吗?")))
        return false;
    const QString typed = name.trimmed();
    if (lenAryGuest > 0) {
        // Only a guest of the list can leave: a name that is none of them
        // would close no stay and still lower the room's card count.
        const int listed = typed.isEmpty() ? -1 : RoomGuestIndex(typed);
        if (listed < 0) {
            ShowWarning(QStringLiteral("N9046"), texts.msgSelectGuest);
            return false;
        }
        curGuest = aryGuest[listed];
        if (curGuest.BldRoomNo != curRoom.BldRoomNo) {
            ShowError(QStringLiteral("E0033"), QStringLiteral("System Error---E0033\n\ncurRoom.BldRoomNo = ")
                                                   + curRoom.BldRoomNo + QStringLiteral("\ncurGuest.BldRoomNo = ")
                                                   + curGuest.BldRoomNo);
            return false;
        }
    }
    curGuest.Name = typed;
    if (!CheckOutGuestInRoom(QString(), curRoom.BldRoomNo, curRoom, QLatin1String(kFlagCheckOut), curGuest.CNo,
                             curGuest.Name))
        return false;
    ShowInfo(QStringLiteral("N9039"), u'\n' + texts.msgCheckOutNoCardOK + QStringLiteral("\n\n")
                                          + resultLine(texts.RoomNo, curRoom.BldRoomNo) + u'\n'
                                          + resultLine(texts.GuestName, curGuest.Name));
    return true;
}

bool CheckOutWithCard(const QString &firstCardData, const DeskTexts &texts)
{
    // The operator may have put another card on the encoder since the
    // check-out began: erasing it would destroy someone else's card and leave
    // this guest's card opening the door.
    if (!ReadCardOnEncoder())
        return false;
    if (CardDataOfBufCard() != firstCardData) {
        ShowWarning(QStringLiteral("N9069"), texts.msgOtherCard);
        return false;
    }
    const int result = Encoder::CardErase(EncoderMode, settings.dlsCoID, bufWrite);
    if (EncoderMode != 0)
        Encoder::Buzzer(EncoderMode, 20);
    else
        Clock().wait(300);
    if (result != 0) {
        ShowWarning(QStringLiteral("E0037"), texts.errCardErase + QStringLiteral("\nCardErase: %1").arg(result));
        return false;
    }
    if (!CheckOutGuestInRoom(firstCardData, curGuest.BldRoomNo, curRoom, QLatin1String(kFlagCheckOut), curGuest.CNo,
                             curGuest.Name))
        return false;
    ShowInfo(QStringLiteral("N9045"), u'\n' + texts.msgCheckOutByCardOK + QStringLiteral("\n\n")
                                          + resultLine(texts.RoomNo, curGuest.BldRoomNo) + QStringLiteral("\n\n")
                                          + resultLine(texts.GuestName, curGuest.Name));
    return true;
}
