#pragma once

#include <QString>

// Decodes the card in bufCard into curCard: its kind, counters, times, room,
// group, floor and building, then its card register row. Shows E0042 and stops
// at the first character that is not hexadecimal; warns (N9067) about a card of
// another hotel and goes on; stops at a blank card (N9048). True when the
// fields were decoded.
bool DecodeCard();

// Characters 19-22 of a reset card: the lock option bytes as the card holds them.
QString CardOptionBytes();
