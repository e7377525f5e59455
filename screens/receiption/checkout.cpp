#include "screens/receiption/checkout.h"

#include "core/clock.h"
#include "core/settings.h"
#include "core/state.h"
#include "store/cardregister.h"
#include "store/guests.h"
#include "store/rooms.h"

namespace {

constexpr int kCardDataLength = 32;

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
