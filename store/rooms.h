#pragma once

#include "core/records.h"

class QSqlQuery;

#include <QList>
#include <QString>
#include <QStringList>

// The room registry: every room of the property in memory (aryRoom, in
// app/state.h), its lookups, the update of a room's state, the building and
// floor lists and the bit helpers of the lock option bytes.

// The eight room statuses. A room holds the display text of its status, as
// loaded from the interface texts, and the database stores the same text.
enum class RoomStatus { VC, OH, OT, TO, VD, OO, OC_WalkIn, OC_Team };
inline constexpr RoomStatus kRoomStatuses[] = {
    RoomStatus::VC, RoomStatus::OH, RoomStatus::OT, RoomStatus::TO,
    RoomStatus::VD, RoomStatus::OO, RoomStatus::OC_WalkIn, RoomStatus::OC_Team,
};
QString RoomStatusText(RoomStatus status);

// "%d-%s" of building and room number: 1-101.
QString BldRoomNoOf(int bldNo, const QString &roomNo);
// "%.3d%.3d%.3d" of building, floor and room index: 001002003.
QString LockNoOf(int bldNo, int flrNo, int romId);

// Every row of an executed "SELECT * FROM RoomInfo ..." as rooms, with their
// BldRoomNo and LockNo. A row whose amount cannot be read ends the rows: it is
// named in error (left empty otherwise), and the rooms before it are returned.
QList<TRoomInfo> ReadRoomRows(QSqlQuery &query, QString *error);

// Replaces aryRoom with every room of the database, after bringing RoomInfo up
// to date. Each pair of rooms with the same BldRoomNo is shown (E0023) and sets
// hasDuplicateRooms; a failure is shown as E0067.
void LoadAryRoom();

// The lookup modes of GetPointerOfAryRoom.
enum AryRoomMode {
    ByBldRoomNo = 1,  // index of the room
    ByLockNo = 2,     // index of the room; the key has 9 characters
    ByBuilding = 3,   // index of the building's first room
    ByFloor = 4,      // index of the floor's first room; the key is "%.3d%.3d" of building and floor
    CardCountOf = 5,  // the room's CardCount, 0 when there is no such room
};
// The first room whose key equals key exactly. -1 when none (after the mode's
// message), -2 for a bad mode or lock number.
int GetPointerOfAryRoom(int mode, const QString &key);

// The BldRoomNo of the room a card or lock record names by its 8 hexadecimal
// digits (bytes: flags, room index, floor, building); "Error: " + code when no
// room has that lock number.
QString BldRoomNoOfLockAddress(const QString &code);

// Writes the room's status, counters, memo and times to its row and, once
// written, into aryRoom at index. False (E0025) with aryRoom unchanged.
bool SaveRoomState(const TRoomInfo &room, int index);

// Appends the building names to list, in building order, and sets aryBldNo.
void LoadBuildings(QStringList &list);
// Appends the floor numbers of a building to list, in order.
void LoadFloors(int bldNo, QStringList &list);

// Bit n (0..7) of an option byte; any other n reads bit 0.
bool GetBit(int value, int n);
// The byte with bit n set or cleared; any other n than 0..7 stands for bit 1.
int SetBit(int value, int n, bool on);
