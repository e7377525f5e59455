#pragma once

#include "cards/countedissue.h"
#include "core/records.h"

#include <QString>

// The lock configuration cards without widgets: what the panel shows for each
// kind, and the issue of a card from what the panel holds. The screen and the
// admin tool both go through these, and they speak only through the operator port.

inline constexpr int kSystemCard = 0;
inline constexpr int kRoomNoCard = 2;
inline constexpr int kClockCard = 3;
inline constexpr int kGroupNoCard = 5;
// The kinds, in the order of their buttons.
inline constexpr int kLockKinds[] = {kSystemCard, kRoomNoCard, kClockCard, kGroupNoCard};

// The group operations of the group-number card; their names are
// CardTypeNames[16 + operation].
enum GroupOp { ClearOneGroup = 0, SetOneGroup = 1, ClearAllGroups = 2, SetAllGroups = 3 };
QString GroupOpName(int groupOp);

// The rights position (button Tag) of a kind's button, and of the issue button.
int LockKindRight(int kind);
inline constexpr int kLockIssueRight = 35;

// The panel of a kind.
struct LockPanel {
    bool field = true;       // the field under the holder (memo, room, time or group number) and its label
    bool typing = true;      // the operator types in it
    bool search = false;     // the room search button beside it
    bool operation = false;  // the label with the chosen group operation
    bool cover = false;      // the cover box
};

// tiShi: the lock option byte whose bit 2, "Ignore Overwrite Function", hides the cover box.
LockPanel LockPanelOf(int kind, int groupOp, int tiShi);

// What the panel holds when the issue button is pressed.
struct LockCardFields {
    int kind = kSystemCard;
    int groupOp = ClearOneGroup;
    QString typeName;        // the kind button's caption, or the group operation's name
    QString holder;
    QString field;           // the text of the field under the holder; empty when hidden
    TRoomInfo room;          // the room picked for a room-number card, none when LockNo is empty
    bool cover = false;      // the cover box is shown and ticked
    QString coverCaption;
};

// Issues the card on the card lying on the encoder: checks the fields (N9049
// no room picked, N9023 group number), fills curCard (and curRoom for the
// room-number card), writes it with the kind's counter and shows N9053 on
// success. The clock card carries the time of writing.
IssueOutcome IssueLockCard(const LockCardFields &fields, const QString &msgSelectRoom);
