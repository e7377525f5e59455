#include "tools/admin/checkoutcommand.h"

#include "core/operatorport.h"
#include "core/state.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/deskrights.h"
#include "screens/receiption/guestcard.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "tools/admin/deskcommand.h"

namespace {

// The walk-in panel on the room with the guest chosen in its list; N9046
// when the room has no such guest.
bool chooseGuest(const CheckOutOptions &options, const DeskTexts &texts)
{
    ptrAryRoom = GetPointerOfAryRoom(ByBldRoomNo, options.room);
    if (ptrAryRoom < 0)
        return false;
    curMenu = QStringLiteral("WalkIn");
    curRoom = aryRoom[ptrAryRoom];
    LoadRoomGuests(curRoom.BldRoomNo);
    const int listed = RoomGuestIndex(options.name);
    if (listed >= 0) {
        ptrAryGuest = listed;
        curGuest = aryGuest[listed];
        return true;
    }
    ShowWarning(QStringLiteral("N9046"), texts.msgSelectGuest);
    return false;
}

} // namespace

int RunCheckOut(const CheckOutOptions &options)
{
    DeskCommand desk(options.yes, options.server);
    const DeskTexts texts = ReadDeskTexts();
    if (options.withCard) {
        if (!desk.start(options.operatorCode, {kCheckOutByCardRight}, QStringLiteral("check guests out with card")))
            return 1;
        desk.openEncoder();
        if (!ReadGuestCard(texts))
            return 1;
        curMenu = QStringLiteral("CheckOutWithCard");
        return CheckOutWithCard(CardDataOfBufCard(), texts) ? 0 : 1;
    }
    if (!desk.start(options.operatorCode, {kWalkInRight, kCheckOutNoCardRight},
                    QStringLiteral("check guests out without card"))
        || !chooseGuest(options, texts))
        return 1;
    return CheckOutWithoutCard(curRoom.BldRoomNo, options.name, texts) ? 0 : 1;
}
