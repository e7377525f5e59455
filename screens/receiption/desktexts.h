#pragma once

#include <QString>

// The front-desk texts its operations show or write, read from Interface.txt
// when the front desk (or the admin tool) starts an operation.
struct DeskTexts {
    // Messages.
    QString InputRoomNo, msgOverCards, msgNotVC, errExpiredTime, msgExceedYuDing, msgIssueCardOK;
    QString msgSelectGuest, msgCheckOutNoCardOK, msgCheckOutByCardOK, msgNotGuestCard, msgNoGuestInfo;
    QString msgCardErase, msgCardEraseOK, errCardErase, msgOtherCard;
    QString msgTeamCheckOut, msgTeamCheckOutOK, msgInputNameAndCNo, msgReservationOK;
    QString msgCancelReservation, msgCancelReservation1, msgCancelReservationOK;
    // Captions the messages and the card note quote.
    QString RoomNo, GuestName, CNo, CardCount, CardNum, ExpiredDate, Change, Postponed, NewCheckIn, ReservationCheckIn;
};

DeskTexts ReadDeskTexts();

// A caption as the operator sees it: a doubled "&" shows as one.
QString ShownCaption(const QString &caption);
