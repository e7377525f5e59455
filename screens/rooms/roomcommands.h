#pragma once

#include "core/records.h"
#include "screens/rooms/roomstexts.h"
#include "store/rooms.h"

// The commands of the buildings and rooms screen, without widgets: each asks
// through the operator port, writes to the database at once and reports its
// failures in its coded box. True when something was written and the grids
// should be refreshed.

// The limits the screen enforces.
inline constexpr int kMaxBuildingNo = 250;
inline constexpr int kMaxFloorNo = 250;
inline constexpr int kMaxRoomIndex = 250;
inline constexpr int kMaxSecondIndex = 251;
inline constexpr int kMaxCards = 255;
inline constexpr int kMaxBuildingName = 100;
inline constexpr int kMaxRoomText = 50;
inline constexpr int kMaxPriceText = 10;

// The public-door marks of a room.
inline constexpr int kPublicDoorSet = 8;     // "*": the door is a public door
inline constexpr int kPublicDoorOpens = 128; // "#": the room's guest cards open the public doors
QString PublicDoorMark(int publicDoor);

// "%d,%s" of the building's number and name.
QString BuildingNoName(const TBuildingInfo &building);

bool AddBuilding(const RoomsDefinationTexts &texts, const QString &caption);
bool RemoveBuilding(const RoomsDefinationTexts &texts, const TBuildingInfo &building);
bool RenameBuilding(const RoomsDefinationTexts &texts, const QString &caption, const TBuildingInfo &building);
// The room commands name the row they change by its stored key (RoomRow.key).
bool RemoveRoom(const RoomsDefinationTexts &texts, const TBuildingInfo &building, const TRoomInfo &room,
                const RoomKey &key);

// The rooms-grid columns a modification can change.
enum RoomColumn {
    ColMark = 0, ColFloor, ColRoomNo, ColType, ColPrice, ColHourStartup, ColHourPrice, ColStatus, ColCards, ColLockNo
};
// Asks for the new value of one column of room and saves the room. header is
// the column's header text (the prompt).
bool ModifyRoom(const RoomsDefinationTexts &texts, const QString &caption, int column, const QString &header,
                const TBuildingInfo &building, const TRoomInfo &room, const RoomKey &key);

// F8 (mark 8) and F9 (mark 128): a marked door loses its mark, an unmarked one
// gets it; F8 asks first. F10: asks for the second index. On success room is
// changed and saved; false when nothing changed or the save failed (E0011),
// and room is then as it was.
bool TogglePublicDoor(const RoomsDefinationTexts &texts, int mark, const TBuildingInfo &building, TRoomInfo &room,
                      const RoomKey &key);
bool EditSecondIndex(const RoomsDefinationTexts &texts, const QString &caption, TRoomInfo &room, const RoomKey &key);

// A price as typed: at most 10 characters of "0123456789."; a text that reads
// as a number is that number rounded to four decimals (".5", "12.34567"), one
// that passes but is no number ("1.2.3", ".") is 0. nullopt when refused.
std::optional<Currency> ParsePriceText(const QString &text);
