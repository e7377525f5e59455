#pragma once

#include <QDateTime>
#include <QString>

struct SimLock;

// The openings a lock keeps: as many as one collection can carry to the
// record collector besides its system records; the oldest go first.
int LockMemory();

// An opening: the card ID, the lock's time packed to the minute, and a byte
// whose low five bits are the seconds divided by two.
QString OpeningRecord(const QString &cardId, const QDateTime &lockTime);

// What a record card takes from the lock, as the collector hands it over:
// lines of 74 characters with four records of 16 at characters 7, 23, 39 and
// 55. The first 32 records are system records: 0 the system code and option
// bytes, 1 the lock's room index, floor and building (characters 3-8), 19 the
// lock's time of the collection; the openings follow, the last line filled
// with records of no card.
QString CollectedRecords(const SimLock &lock, const QDateTime &lockTime);
