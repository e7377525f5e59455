#pragma once

#include <QColor>
#include <QString>

// How the guest panel looks for each front-desk operation (curMenu): which
// controls it shows, enables and captions. The panel applies one of these
// every time an operation opens it.

enum class IssueButton { Hidden, IssueCard, MakeReservation };
enum class SecondButton { Hidden, CheckOutNoCard, CheckOutByCard, TeamCheckOut, CancelReservation };
enum class Allocation { Hidden, BothLists, ChosenRoomsOnly };

struct PanelMode {
    const char *mode;
    QColor colour;
    bool roomNoEnabled;
    bool roomText;          // the room field starts with curRoom's key
    bool coverShown;        // the cover and hour-rate boxes
    bool reservationShown;  // the reservation check-in label and pickers
    bool searchShown;
    bool detailShown;       // the detail button; without it the guest box is always shown
    IssueButton issue;
    SecondButton second;
    bool teamLeader;        // the guest box is captioned "Team Leader", else "Guest Information"
    bool namesEnabled;
    Allocation allocation;
    bool menuBesideRoomLabel; // the operation's caption beside the room label, else beside the field
};

// The look of mode; the walk-in's for a mode it does not know.
const PanelMode &PanelModeOf(const QString &mode);
