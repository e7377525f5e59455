#pragma once

#include "core/currency.h"

#include <QDateTime>
#include <QString>

#include <optional>

// A walk-in check-in from the command line, with the front desk's defaults:
// the guest card for room on the card lying on the encoder, written by the
// operator code with the rights of its role.
struct CheckInOptions {
    QString room;
    QString operatorCode;
    QString name;                  // empty: a new guest under the room's automatic name
    std::optional<QDateTime> out;  // the check-out; else the chosen guest's, else one day
    std::optional<Currency> price; // else the chosen guest's, else one day's price
    std::optional<bool> cover;     // else as the panel ticks it for the room
    bool yes = false;              // questions are answered OK, not Cancel
    bool server = false;
};

// Prints "CardID=<id>" and returns 0 when the card was issued; 1 otherwise,
// with the boxes on stderr.
int RunCheckIn(const CheckInOptions &options);
