#pragma once

#include <QString>

// Writes curCard, prepared by the issuing screen, on the card lying on the
// encoder: reads it, asks before overwriting a card that is not blank when
// CheckBlank is set, makes the daily backup, caps the expiry, writes it with
// the library call of its kind, reads it back and registers it. True only when
// the card was written, verified and registered; every failure is shown here.
// A card written but not verified or registered is erased again, so that no
// card leaves the desk without its register row.
bool WriteCardOnEncoder();

// Erases curCard, just written, from the card on the encoder because of what
// went wrong after the write (reason, as "not registered"). False (E0046) when
// the card could not be erased and still opens its doors.
bool EraseWrittenCard(const QString &reason);
