#pragma once

#include "store/rooms.h"

#include <QString>

#include <optional>

// A room's status set by hand from the command line, as the front desk's
// status-setting panel sets it for one marked room.
struct RoomStatusOptions {
    QString room;
    RoomStatus status = RoomStatus::VC;
    QString operatorCode;
    QString memo;     // only with OO; trimmed and cut as the panel does
    bool yes = false; // questions are answered OK, not Cancel
    bool server = false;
};

// The status a name on the command line sets: VC, OH, TO, VD, OO, OC_WalkIn or
// OC_Team. Nothing sets OT, so it is refused with any other name.
std::optional<RoomStatus> SettableStatus(const QString &name);

// Prints "Status=<text>" and returns 0 when the room took the status; 1
// otherwise, with the boxes on stderr.
int RunRoomStatus(const RoomStatusOptions &options);
