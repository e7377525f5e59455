#pragma once

#include <QDateTime>
#include <QString>

// The card register (every card written), the issue counters of staff and
// lock cards, the lock opening records, and the packed times that cards and
// lock records carry.

// Registers curCard, written by curOperator (E0044 on failure).
bool InsertCardInfo();
// Marks every register row of the card as erased (E0045 on failure).
bool MarkCardErased(const QString &cardData);
// Fills the holder, memo, status and operator of curCard from the card's
// first register row and returns its ID; 0 and empty fields when the card is
// not registered.
int LoadCardInfo(const QString &cardData);

// The issue counter of a card kind; -1 (E0039) unless exactly one row holds it.
int ReadDai(int cardType);
bool WriteDai(int cardType, int dai);

bool InsertRecordOpen(int orderFlag, const QString &recData, const QDateTime &openTime);
bool ClearRecordOpen();

// The "no time" of a packed time: 1 December 1899 00:00.
QDateTime NoCardTime();
// A packed card time: 6 hexadecimal digits holding year - 2014 (4 bits),
// month (4), day (5), hour (5), minute (6). "FFFFFF" is no time; an invalid
// time gives the date-time zero, and E0043 when showError is set.
QDateTime DecodeCardTime(bool showError, const QString &digits);
// A lock record's time: 12 hexadecimal digits, one byte each for year - 2014,
// month, day, hour, minute and seconds times 4. "FFFF..." is no time; an
// invalid time gives the date-time zero.
QDateTime DecodeRecordTime(const QString &digits);
