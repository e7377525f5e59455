#pragma once

#include "core/records.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

// The room board of the front desk without its widgets: the counters of the
// current building, the row rule, which room goes into which of the 100 slots,
// the status icon of a room and the texts of the board. Everything reads the
// current building (curBld, ptrCurBldOfAryRoom) from the room registry.

inline constexpr int kBoardColumns = 10;
inline constexpr int kBoardRows = 10;

// Total rooms, then one count per status in the order VC, OH, OT, TO, VD, OO,
// OC_WalkIn, OC_Team. A room with a reservation adds to OT and a room whose
// first check-out has passed adds to TO besides its own status, so those two
// can exceed the rooms in that state.
struct BoardCounters {
    int total = 0;
    std::array<int, 8> byStatus{};
};

// Counts the rooms of the current building into counters and gives the number
// of board rows they take: a new row starts at each floor and after every ten
// rooms of one floor.
int CountBoardRooms(BoardCounters *counters);

// What the board shows from board row firstRow on: for each of its ten rows the
// floor label (none for a row continuing the floor of the row above or for an
// empty row) and the aryRoom index of the room in each slot (-1 for an empty
// slot). passedOver is the number of rooms of the rows above firstRow.
struct BoardRow {
    bool showFloor = false;
    int flrNo = 0;
    std::array<int, kBoardColumns> rooms{};
};
struct BoardPage {
    int passedOver = 0;
    std::array<BoardRow, kBoardRows> rows{};
};
BoardPage LayOutBoardPage(int firstRow);

// The picture of a room's status on the board; any status text that is none
// of the others shows the guest's face.
enum class BoardIcon { VC, OH, TO, VD, OO, Team, Guest };
struct RoomIcon {
    BoardIcon icon = BoardIcon::Guest;
    bool reservation = false; // the variant with a telephone beside it
    bool operator==(const RoomIcon &) const = default;
};
// A reservation gives the telephone variant; a first check-out that has come
// shows the check-out icon whatever the status.
RoomIcon RoomIconOf(const TRoomInfo &room, const QDateTime &now);

// The labels of the amounts in a room's hint.
struct RoomHintLabels {
    QString price, hourRateStartup, hourRatePrice;
};
// The hint of a room button; its first nine characters are the lock number.
QString RoomHint(const TRoomInfo &room, const QString &bldName, const RoomHintLabels &labels);
// The lock number a room button's hint starts with.
QString LockNoOfHint(const QString &hint);

// The chart's title: one line per word of the building name, the words
// separated by commas or blanks.
QStringList ChartTitleLines(const QString &bldName);

// The board is repainted once a day, one minute after the configured check-out
// time ("12:00" when it does not read as a time), so that rooms due out that
// day take the check-out icon: due when that moment lies after the previous
// tick of the minute timer and not after now. A tick that comes late still
// repaints, and no moment repaints twice.
bool CheckOutRepaintDue(const QString &checkOutTime, const QDateTime &previousTick, const QDateTime &now);
