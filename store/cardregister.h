#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

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

// One row of the card register as stored.
struct CardRegisterRow {
    int ID = 0;
    QString CardData;
    QString Holder;
    QString GongHao;
    QString BeiZhu;
    QString Status;
};
// Hands every register row to take, newest first; only the operator's rows
// when gongHao is not empty. sql gets the statement. False with the reason in
// error.
bool ReadCardRegister(const QString &gongHao, const std::function<void(const CardRegisterRow &)> &take,
                      QString *sql, QString *error);
// The first register row of the card ID (characters 19-26 of the card data).
bool FindCardById(const QString &cardId, std::optional<CardRegisterRow> *row, QString *error);
bool DeleteCardInfo(int id, QString *error);

// One lock record of the last upload.
struct RecordOpenRow {
    int OrderFlag = 0;
    QString RecData;
    QDateTime OpenTime;
};
// The records of the last upload: door openings (OrderFlag 0) newest first,
// then the system records in their order. False with the reason in error.
bool ReadRecordOpen(QList<RecordOpenRow> *rows, QString *sql, QString *error);

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
