#pragma once

#include "simdevice.h"

#include <QStringList>

// encoder-sim door NAME [--serial S] [--at "yyyy-MM-dd HH:mm[:ss]"] [--deadbolt]:
// holds the card on the encoder, or the kept card S, to the lock of door NAME
// and prints what the lock answered. A record card's records go to the collector.
int RunDoor(const SimDevice &device, const QStringList &args);

// encoder-sim doors: every lock, one line each.
int ListDoors(const SimDevice &device);
