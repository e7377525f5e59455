#pragma once

#include "simcard.h"
#include "simlock.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What a lock does with a card held to it.
struct LockAnswer {
    enum Outcome { Open, Denied, Set };
    Outcome outcome = Denied;
    QString text; // why it was denied, or what the card set
    // The records a record card took, as the collector holds them.
    std::optional<QString> collected;

    // "open", "denied: REASON" or what was set.
    QString line() const;
};

// The one place where a lock decides: card held to lock at the presenter's
// time at (the lock's own clock runs clockOffset ahead of it), with the door
// deadbolted or not. The lock takes what the card sets, the newest issue
// counter it has now seen, and a record of every opening; the caller saves it.
LockAnswer PresentCard(SimLock &lock, const SimCard &card, const QDateTime &at, bool deadbolted);
