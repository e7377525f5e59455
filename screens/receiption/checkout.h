#pragma once

#include "core/records.h"
#include "screens/receiption/desktexts.h"

#include <QString>

// Ending stays at the front desk, without widgets.

// Ends the stay of the guest name / cNo in the room bldRoomNo: marks the
// guest's card erased in the register when cardData holds one (32
// characters), closes the stay with flag at the current time and lowers the
// room's card count; a room left without guests or cards is vacated (VD
// when FlagCheckOut is 1, else VC) and loses its memo. room, a copy of the
// room, gets the new state, which is saved to its row but not into aryRoom:
// the caller puts it there once the change it belongs to is complete. False
// after the failing step's box.
bool CheckOutStay(const QString &cardData, const QString &bldRoomNo, TRoomInfo *room, const QString &flag,
                  const QString &cNo, const QString &name);

// CheckOutStay as one transaction of its own; aryRoom takes the room once it
// is committed. room is a copy: curRoom stays as it was.
bool CheckOutGuestInRoom(const QString &cardData, const QString &bldRoomNo, const TRoomInfo &room,
                         const QString &flag, const QString &cNo, const QString &name);

// The place in the room's guest list (aryGuest, as LoadRoomGuests left it) of
// the guest named name; -1 when the room has no such guest.
int RoomGuestIndex(const QString &name);

// Check-out without card of the guest named in the walk-in panel's name field
// from curRoom, after the operator confirmed it. When the room has guests
// (aryGuest), the name must be one of them (N9046). True after the success box.
bool CheckOutWithoutCard(const QString &roomNoText, const QString &name, const DeskTexts &texts);

// Check-out with card of curGuest, whose card (card data firstCardData) was
// read when the check-out began: the card on the encoder is read again and
// erased only when it is that card (N9069 otherwise), then the stay is
// closed. True after the success box.
bool CheckOutWithCard(const QString &firstCardData, const DeskTexts &texts);
