#pragma once

#include "screens/receiption/roomboard.h"

#include <QIcon>

// The pictures of the room statuses, drawn once: a house, a clock, a red
// running figure, a broom, a wrench, a group of people and a guest's face,
// each also with a telephone beside it for a room with a reservation.
QIcon StatusIcon(const RoomIcon &icon);
inline constexpr int kStatusIconSize = 24;
