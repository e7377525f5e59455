#pragma once

#include "core/records.h"
#include "screens/rooms/roomstexts.h"

// "Insert New Room(s)": one room, a run of rooms on one floor, or the same run
// on every floor of a range, asked for in eight small boxes whose defaults come
// from the selected room. Each room is its own insert; a failing one is
// reported (E0008) and the others go on. True when the inserts ran.
struct RoomBatchPrompts {
    QString caption;         // the caption of every box: the command's own
    QString hourStartHeader; // rooms-grid header of the hour-rate start-up column
    QString hourPriceHeader; // rooms-grid header of the hour-rate price column
};

bool InsertNewRooms(const RoomsDefinationTexts &texts, const RoomBatchPrompts &prompts, const TBuildingInfo &building,
                    const TRoomInfo &selected);
