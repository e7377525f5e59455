#pragma once

#include "screens/receiption/roomboard.h"

#include <QString>
#include <QStringList>

// The captions of the guest panel, read when the front desk is created.
struct GuestPanelTexts {
    QString RoomNo, Search, Search_Hint, IssueCard, IssueCard_Hint, GuestDetail, GuestDetail_Hint, hintMemRoom;
    QString NewCheckIn, HourRate, VIP, ExpiredDate, CardCount, Days, Hours, CloseGuest, CloseGuest_Hint;
    QString CheckOutNoCard, CheckOutNoCard_Hint, CheckOutByCard, CheckOutByCard_Hint, TeamCheckOut, TeamCheckOut_Hint;
    QString CancelReservation, hintCancelReservation, NewReservation, tReservCkIn;
    QString RoomsAllocation, AllVCRooms, RoomsSelected, SelectRoom_Hint, unSelectRoom_Hint;
    QString GuestInfo, TeamLeader, GuestName, Sex, CType, CNo, Price, Deposit, Memo, lblCheckIn, lblCheckOut;
    QStringList sexes;           // Male, Female
    QStringList credentialTypes; // the five credential types
    RoomHintLabels priceLabels;  // the prices in a room's description
};

GuestPanelTexts ReadGuestPanelTexts();
