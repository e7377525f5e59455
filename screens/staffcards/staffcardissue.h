#pragma once

#include "cards/countedissue.h"

#include <QDate>
#include <QString>
#include <QTime>

// The staff cards without widgets: what the panel shows for each kind, and the
// issue of a card from what the panel holds. The screen and the admin tool
// both go through these, and they speak only through the operator port.

// The kinds, in the order of their buttons.
inline constexpr int kStaffKinds[] = {13, 12, 11, 10, 8, 1, 4, 7};
inline constexpr int kFloorCard = 13;
inline constexpr int kBlackNameCard = 4;
inline constexpr int kGroupCard = 8;

// The rights position (button Tag) of a kind's button, and of the issue button.
int StaffKindRight(int kind);
inline constexpr int kStaffIssueRight = 49;

// What the memo field holds.
enum class StaffMemo { Memo, GroupNo, CardNo };

// The panel of a kind.
struct StaffPanel {
    bool doorKind = false;   // opens doors: expiry date, daily times and the access bolt are asked
    bool building = false;   // the building list
    bool floor = false;      // the floor list
    int expiryDays = 0;      // the expiry offered: today plus these days
    bool boltTicked = false; // access bolt and public door start ticked, and the public door stays so
    bool options = true;     // the option group
    bool cover = false;      // the cover box (inside the option group)
    StaffMemo memo = StaffMemo::Memo;
};

// tiShi: the lock option byte whose bit 2, "Ignore Overwrite Function", hides the cover box.
StaffPanel StaffPanelOf(int kind, int tiShi);

// What the panel holds when the issue button is pressed.
struct StaffCardFields {
    int kind = kFloorCard;
    QString typeName;        // the kind button's caption
    QString holder;
    QString memo;
    int bldNo = 0;           // 0 when the building list is hidden, -1 when it is shown with no choice
    int flrNo = 0;           // the same for the floor list
    QDate expiry;
    QTime start{0, 0};
    QTime end{23, 59};
    bool publicDoor = false;
    bool accessBolt = false;
    bool cover = false;      // the cover box is shown and ticked
    QString coverCaption;
};

// Issues the card on the card lying on the encoder: checks the fields (N9050
// building or floor missing, N9051 group number, N9052 barred card ID), fills
// curCard, writes it with the kind's counter and shows N9054 on success.
IssueOutcome IssueStaffCard(const StaffCardFields &fields);
