#pragma once

#include "store/records.h"

#include <QString>

// The process-wide state of the console, kept in one place under the names the
// whole program uses. ResetState() puts it back as at start (tests use it).

// Encoder: 1 first encoder type, 0 second type (dUSB), -1 none opened.
extern int EncoderMode;
// The device's information text: 128 characters and a terminating zero.
inline constexpr int kReaderInfoSize = 129;
extern char ReaderInfo[kReaderInfoSize];
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

void ClearReaderInfo();
QString ReaderInfoText();

void ResetState();
