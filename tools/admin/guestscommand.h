#pragma once

// Print the current guests of every room, one line each: BldRoomNo, Name,
// Flag, CardID, ComeTime and GoTime separated by tabs, ordered by room and
// stay. Returns the exit code.
int RunGuests(bool server);
