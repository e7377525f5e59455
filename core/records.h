#pragma once

#include "core/currency.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

// The date-time zero, 30 December 1899 00:00: the "none" value of every
// date-time of the system, stored as that value, never as NULL. Made once:
// every record starts with it, and each local date-time made asks the C
// library for the time zone.
inline QDateTime DateTimeZero()
{
    static const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
    return zero;
}

// A date-time column as either engine returns it; an empty column is the zero.
QDateTime DateTimeFromSql(const QVariant &value);

// A date-time in the operator's messages.
inline QString DateTimeText(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// One door with a lock: a guest room or a public door.
struct TRoomInfo {
    int BldNo = 0;
    int FlrNo = 0;
    int RomID = 0;
    int RomID2 = 0;
    QString RoomNo;
    QString sType;
    QString Status; // the status display text, as stored
    Currency Price;
    int Dai = 0; // the room's issue counter, 0..255
    int CardCount = 0;
    int MaxCards = 0;
    int PublicDoor = 0; // 0 none, 8 a public door, 128 guest cards open the public doors
    QString BeiZhu;
    QDateTime ReservCkIn = DateTimeZero();
    QDateTime FirstCkOut = DateTimeZero();
    Currency HourRateStartup;
    Currency HourRatePrice;
    QString BldRoomNo; // "%d-%s" of BldNo and RoomNo: the room as guests know it
    QString LockNo;    // "%.3d%.3d%.3d" of BldNo, FlrNo and RomID
};

struct TBuildingInfo {
    int BldNo = 0;
    QString BldName;
};

// One stay of one guest in one room.
struct TGuestInfo {
    int ID = 0;
    QString BldRoomNo;
    QString Name;
    QString Sex;
    QString CType;
    QString CNo;
    QDateTime ComeTime = DateTimeZero();
    QDateTime GoTime = DateTimeZero();
    QString CardID;
    QString Flag;
    QString BeiZhu;
    Currency Price;
    Currency YaJin;
};

// The card being issued or read.
struct TCardInfo {
    int ID = 0; // its card register row, when found
    int iType = 0;
    QString TypeName;
    int Dai = 0;
    QString CardID; // 8 hexadecimal characters, the kind digit first; "FFFFFFFF" is a blank card
    QString Holder;
    QDateTime IssueTime = DateTimeZero();
    QDateTime StartTime = DateTimeZero();
    QDateTime EndTime = DateTimeZero();
    int PublicDoor = 0;
    int AccessBolt = 0;
    QString BlackCardID;
    int BldNo = 0;
    int FlrNo = 0;
    QString RoomName;
    int GroupNo = 0;
    int GroupOp = 0;
    QString BeiZhu;
    QString CardData; // the 16 card bytes as 32 hexadecimal characters: the card register key
    QString Status;
    QString GongHao;
};

// An operator, or a role row ("proQuanXian_" + role letter, whose memo is the
// role's rights string).
struct TOperatorInfo {
    QString GongHao;
    QString Name;
    QString MiMa;
    QString QuanXian; // "S", "A", "M" or "G"
    QString BeiZhu;
};
