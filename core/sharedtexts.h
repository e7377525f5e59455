#pragma once

#include <QString>

// The texts that every screen shares, read once when the logon screen is
// created. The room status texts are also the values stored in RoomInfo.Status.
struct TCommonTexts {
    QString RoomStatus_VC;
    QString RoomStatus_OH;
    QString RoomStatus_OT;
    QString RoomStatus_TO;
    QString RoomStatus_VD;
    QString RoomStatus_OO;
    QString RoomStatus_OC_WalkIn;
    QString RoomStatus_OC_Team;

    QString CardStatus_Erased;
    QString ErrOpenUSB;
    QString ErrNoUSB;
    QString ErrReadCard;
    QString ErrWriteCard;
    QString ErrInput;
    QString errGroupNo;
    QString errBldRoomNo;
    QString ErrRepeatBldRoomNo;
    QString msgAddRoom;
    QString msgNoCard;
    QString msgIssueCardOK;
    QString sBlankCard;
    QString msgCheckBlank;
    QString sIssueTime;
    QString sExpiredTime;
    QString sShiDuan;
};

extern TCommonTexts Common;

// Display names indexed by card kind (0..15) and group operation (16..19).
inline constexpr int kCardTypeNameCount = 20;
inline constexpr int kCardTypeNameLength = 50;
extern QString CardTypeNames[kCardTypeNameCount];

// Fills Common and CardTypeNames from Interface.txt.
void LoadSharedTexts();
