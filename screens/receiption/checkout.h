#pragma once

#include "core/records.h"

#include <QString>

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
