#pragma once

#include "core/records.h"

#include <QString>

// Writes a staff or lock-configuration card on the card lying on the encoder
// as the staff-card and lock-configuration screens do: card carries the kind
// and what its panel asks (building, floor, group and operation, barred card
// ID, access bolt, start and end time), lockNo the room of a room-number card.
// The issue counter is the kind's, raised and stored when cover is set. False
// when the counter or the write failed (their boxes were shown).
bool IssueLockCard(const TCardInfo &card, const QString &lockNo = QString(), bool cover = false);
