#pragma once

#include "core/records.h"

#include <QString>

// A room for a test's setup: the index is also the second index, type
// "Standard", the vacant status text, price 288, at most three cards; the
// room number and lock number follow from the rest.
TRoomInfo SampleRoom(int bldNo, int flrNo, int romId, const QString &roomNo);

// The room as a RoomInfo row. Only the columns every RoomInfo has had are
// written; the ones added at start-up (ReservCkIn, FirstCkOut and the hour
// rates) stay empty, as in rows an older desk wrote. False (with a warning)
// when the database refuses the row.
bool AddRoomRow(const TRoomInfo &room);
