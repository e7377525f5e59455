#pragma once

#include "core/records.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class QSqlDatabase;

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

// The value of a building, floor or room index as stored: a whole number that
// fits the three digits of its part of the lock number (0..999), else nullopt.
std::optional<int> LockPartValue(const QVariant &stored);
// The same part as the lock number shows it: three digits, or, for a value
// that is none, the stored text as it is.
QString LockPartText(const QVariant &stored);

// The key columns of a RoomInfo row exactly as stored. Updates and deletes name
// their row by these, so that a row whose numbers are no lock-number parts (a
// text, a fraction, a number too large) can still be corrected or removed.
struct RoomKey {
    QVariant BldNo;
    QVariant FlrNo;
    QVariant RomID;
};
RoomKey RoomKeyOf(const TRoomInfo &room);
// "%.3d%.3d%.3d" of the key, each part as LockPartText shows it.
QString LockNoOfKey(const RoomKey &key);

// A RoomInfo row: the room, its key as stored, and whether the key makes a
// lock number (only such rows enter the room registry). room.LockNo is
// LockNoOfKey of the key.
struct RoomRow {
    TRoomInfo room;
    RoomKey key;
    bool lockable = true;
};
// The rooms of one building in floor and index order, or of every building in
// building, floor and index order. A row whose amount is no number or does not
// fit fails the read, named in error with its amounts.
bool ReadRoomRows(int bldNo, QList<RoomRow> *rows, QString *error);
bool ReadAllRoomRows(QList<RoomRow> *rows, QString *error);

// Adds one row with every column of room.
bool InsertRoom(const TRoomInfo &room, QString *error);
// The same on a connection of its own (a database being built).
bool InsertRoom(const QSqlDatabase &db, const TRoomInfo &room, QString *error);
// The row of key gets the floor and index of target and the room number, type,
// prices and maximum cards of values.
bool UpdateRoom(const RoomKey &key, const RoomKey &target, const TRoomInfo &values, QString *error);
// The second index and the public-door mark of the row of key.
bool UpdateRoomDoor(const RoomKey &key, int romId2, int publicDoor, QString *error);
bool DeleteRoom(const RoomKey &key, QString *error);
// A room's status set by hand. With vacate the room also loses its cards,
// its memo and its planned check-out; a memo that is not empty becomes the
// room's memo. Its guests, issue counter and reservation stay. False with the
// database's message in error, also when no row has the key (a room another
// desk removed), so that nothing counts as set that was not.
bool UpdateRoomStatus(const RoomKey &key, const QString &status, bool vacate, const QString &memo, QString *error);

// Replaces aryRoom with every room of the database, after bringing RoomInfo up
// to date. A row whose building, floor or index is no lock-number part is
// shown (E0067, with the row) and left out. Each pair of rooms with the same
// BldRoomNo is shown (E0023) and sets hasDuplicateRooms; a failure is shown as
// E0067 and gives false.
bool LoadAryRoom();

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
