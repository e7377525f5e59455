#pragma once

// Loads the room registry as the program does at logon and prints one line per
// room in registry order: BldRoomNo, LockNo, Status, CardCount and Dai,
// separated by tabs. Returns the exit code: 1 when the rooms cannot be loaded.
int RunRooms(bool server);
