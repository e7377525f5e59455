#pragma once

#include "core/records.h"

#include <QList>
#include <QString>

// The process-wide state of the console, kept in one place under the names the
// whole program uses. ResetState() puts it back as at start (tests use it).

// Encoder: 1 first encoder type, 0 second type (dUSB), -1 none opened.
extern int EncoderMode;
// The device's information text: 128 characters and a terminating zero.
inline constexpr int kReaderInfoSize = 129;
extern char ReaderInfo[kReaderInfoSize];
// The device model code kept at logon for the front desk's status bar; empty
// for the record-collecting device or when no encoder answered.
extern QString EncoderModel;
// The text of the last card read: 72 characters and a terminating zero.
inline constexpr int kCardBufferSize = 73;
extern char bufCard[kCardBufferSize];
// The card data the last write returned: 50 characters and a terminating zero.
inline constexpr int kWriteBufferSize = 51;
extern char bufWrite[kWriteBufferSize];
// The system code of guest and group cards; the front desk sets it to dlsCoID.
extern int GuestCoID;
// 0..15, the digit after the kind digit of the next card ID written.
extern int CardCounter;

// The logged-on operator and the rights string: position p enables the
// buttons whose Tag is p.
extern TOperatorInfo curOperator;
extern QString strQX;

// The working records the screens fill before they call the shared operations.
extern TRoomInfo curRoom;
extern TRoomInfo varRoom;
extern TGuestInfo curGuest;
extern TCardInfo curCard;

// The work area or front-desk operation in progress, as a text ("Reports",
// "Change", ...), and the one before it.
extern QString curMenu;
extern QString prevMenu;
// Service mode: the front desk erases a card without reading it first. Every
// logon switches it off.
extern bool fDirectCardErase;
// The reports screen serves as the card picker of other screens.
extern bool isSearchCardNo;
// The selected building, and the same as "%d,%s" of its number and name
// (empty when there is no building).
extern TBuildingInfo curBld;
extern QString curBldNoName;
// An operation changed a room: the front desk recounts and repaints its board
// when the panel of the operation closes.
extern bool isNeedRefreshRooms;
// The buildings and rooms screen serves as the room picker of other screens.
extern bool isSearchLockNo;
// The stay before a room change.
extern TGuestInfo oldGuest;

// The room registry: every room in the order building, floor, room index.
extern QList<TRoomInfo> aryRoom;
extern int lenAryRoom;
// The selected room and the first room of the current building in aryRoom.
extern int ptrAryRoom;
extern int ptrCurBldOfAryRoom;
// The last room load found two rooms with the same building and room number.
extern bool hasDuplicateRooms;
// The building numbers in order, as the last building list was loaded.
extern QList<int> aryBldNo;

// Guests and reservations read back by the guest register. Entries from
// lenAryGuest on are left over and not used.
extern QList<TGuestInfo> aryGuest;
extern int lenAryGuest;
extern int ptrAryGuest;
extern QList<TGuestInfo> aryReservation;
extern int lenAryReservation;

void ClearReaderInfo();
QString ReaderInfoText();
QString BufCardText();
QString BufWriteText();

void ResetState();
