#pragma once

#include "screens/receiption/desktexts.h"

#include <QString>

// The guest card lying on the encoder, for the operations that start from it
// (check-out with card, room change, extension).

// Characters 7-38 of the card read last (bufCard): its card data, the card
// register's key. Card IDs repeat; the card data does not.
QString CardDataOfBufCard();

// Reads the card, which must be a guest card (N9042) known to the guest
// register (N9043); curCard.CardID, curGuest (its stay), curRoom and
// ptrAryRoom (its room) are set. False after the failing step's box.
bool ReadGuestCard(const DeskTexts &texts);
