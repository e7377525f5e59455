#pragma once

#include "core/records.h"
#include "screens/receiption/desktexts.h"

#include <QDateTime>
#include <QString>

// Walk-in check-in and the issue of a guest card, without widgets: the front
// desk collects its panel into these records and calls the operations, which
// read and fill the working records (curRoom, curGuest, curCard, aryRoom,
// aryGuest, oldGuest) and speak only through the operator port. The mode is
// curMenu: "WalkIn", "TeamIn", "ReservationCheckIn", "Change" or "Postpone".

// The guest fields of the panel as typed.
struct GuestFields {
    QString name;
    QString sex;
    QString cType;
    QString cNo;
    QString price;
    QString deposit;
    QString memo;
    QString checkIn;          // the read-only check-in field, a date-time text
    bool listedGuest = false; // a guest of the name list is selected: an existing stay goes on
};

// A room change: the guest's stay (oldGuest) and room before the change, as
// read from the guest's card.
struct RoomChange {
    TRoomInfo oldRoom;
    int ptrOldRoom = -1;  // oldRoom's index in aryRoom
    QString oldCardData;  // the card's data: its register key
};

// What the issue button hands over.
struct IssueRequest {
    QString roomNoText;  // the room number field
    GuestFields guest;
    QDateTime checkOut;  // the check-out date with the time picker's time
    bool hourRate = false;
    bool cover = false;  // earlier cards of the room stop opening it
    int chosenRooms = 0; // rooms in the chosen-rooms list of a reservation check-in
    RoomChange change;   // in "Change"
};

// The room the walk-in panel opens on: the room of curRoom.LockNo when it lies
// in the current building, otherwise the building's first room.
int WalkInRoomIndex();

// curRoom is still the room at ptrAryRoom of the room field: true, else E0024
// (the two differ) or N9036 (no room or an empty field), and false.
bool VerifyCurrentRoom(const QString &roomNoText, const DeskTexts &texts);

// curGuest from the panel, for the room curRoom, arriving at checkInTime.
void CollectGuestFields(const GuestFields &fields, const QDateTime &checkOut, const QDateTime &checkInTime);

// Writes the guest card on the card lying on the encoder and records the stay
// and the room. True after the success box; false when refused (nothing
// written) or when a write failed (shown in its box; a card whose stay could
// not be recorded is erased again).
bool IssueGuestCard(const IssueRequest &request, const DeskTexts &texts);
