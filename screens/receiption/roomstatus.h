#pragma once

#include "core/records.h"
#include "screens/receiption/roomstatustexts.h"
#include "store/rooms.h"

#include <QList>
#include <QString>

// Room status set by hand, for housekeeping and maintenance, without widgets:
// the rows of the status-setting grid with their marks, and the operation
// that writes a status to every marked room.

// The marks of a grid row: none, chosen for the next status, status set.
inline const QString kRowMarked = QStringLiteral("?");
inline const QString kRowDone = QStringLiteral("->");

// One row of the grid: its mark and the room as it showed when the grid was
// filled.
struct StatusRow {
    QString mark;
    TRoomInfo room;
};

// The rows of the current building's rooms, in aryRoom order. With
// clearMarks every row starts unmarked; otherwise each room keeps the mark its
// row had in rows, so that "->" shows what was done. When the panel opens from
// the walk-in panel (prevMenu "WalkIn"), the room being served (curRoom) comes
// marked and *current is its row; otherwise *current is -1. Afterwards
// prevMenu is curMenu.
QList<StatusRow> FillStatusGrid(const QList<StatusRow> &rows, bool clearMarks, int *current);

// Whether setting newStatus on a room of oldStatus needs the operator's
// confirmation: a vacant room taken into use, or a room in use made vacant.
// Rooms reserved or out of order may be changed freely, and so may a cleaned
// room be made vacant.
bool StatusChangeAsks(const QString &oldStatus, const QString &newStatus);

// The memo typed for a room out of order as it is stored: trimmed, at most
// 100 characters.
QString MaintenanceMemo(const QString &typed);

// What ApplyRoomStatus did: the rooms written, and the line for the status bar.
struct StatusApplied {
    int written = 0;
    QString summary;
};

// Sets status on the room of every marked row, after the question N9071 where
// StatusChangeAsks; a declined row keeps its mark. Each room is one update of
// its row; once it is written the row is marked done and the room's aryRoom
// entry (made ptrAryRoom) takes the status, and VC also empties its cards,
// memo and planned check-out; a memo that is not empty becomes its memo. A
// room that cannot be written shows E0019 and keeps its mark and its entry;
// the other rows go on. When no row was marked or every marked row was
// declined, N9033. isNeedRefreshRooms is set when a room was written.
StatusApplied ApplyRoomStatus(RoomStatus status, const QString &memo, QList<StatusRow> *rows,
                              const RoomStatusTexts &texts);
