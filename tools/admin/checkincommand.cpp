#include "tools/admin/checkincommand.h"

#include "core/clock.h"
#include "core/state.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/deskrights.h"
#include "screens/receiption/stayrules.h"
#include "screens/receiption/walkin.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "tools/admin/deskcommand.h"

#include <cstdio>

namespace {

// The walk-in panel on the room, as the operator would fill it.
bool openRoom(const CheckInOptions &options, IssueRequest *request)
{
    ptrAryRoom = GetPointerOfAryRoom(ByBldRoomNo, options.room);
    if (ptrAryRoom < 0)
        return false;
    curMenu = QStringLiteral("WalkIn");
    curRoom = aryRoom[ptrAryRoom];
    LoadRoomGuests(curRoom.BldRoomNo);
    request->roomNoText = curRoom.BldRoomNo;
    request->cover = options.cover.value_or(CoverTickedFor(curRoom));
    Currency price;
    const int listed = options.name.isEmpty() ? -1 : RoomGuestIndex(options.name);
    GuestFields &fields = request->guest;
    if (listed >= 0) {
        // A further card for a guest of the room goes on with that stay.
        ptrAryGuest = listed;
        const TGuestInfo &guest = aryGuest[listed];
        fields.name = guest.Name;
        fields.sex = guest.Sex;
        fields.cType = guest.CType;
        fields.cNo = guest.CNo;
        fields.deposit = guest.YaJin.toString();
        fields.memo = guest.BeiZhu;
        fields.checkIn = DateTimeText(guest.ComeTime);
        fields.listedGuest = true;
        request->checkOut = guest.GoTime;
        price = guest.Price;
    } else {
        fields.name = options.name;
        const StayEnd stay = StayOf(1, false, false, Clock().now(), curRoom);
        request->checkOut = stay.checkOut;
        price = stay.price;
    }
    if (options.out)
        request->checkOut = *options.out;
    fields.price = options.price.value_or(price).toString();
    return true;
}

} // namespace

int RunCheckIn(const CheckInOptions &options)
{
    DeskCommand desk(options.yes, options.server);
    if (!desk.start(options.operatorCode, {kWalkInRight, kIssueCardRight}, QStringLiteral("check guests in")))
        return 1;
    desk.openEncoder();
    IssueRequest request;
    if (!openRoom(options, &request))
        return 1;
    if (!IssueGuestCard(request, ReadDeskTexts()))
        return 1;
    std::printf("CardID=%s\n", qPrintable(curCard.CardID));
    return 0;
}
