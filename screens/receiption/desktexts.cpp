#include "screens/receiption/desktexts.h"

#include "core/sharedtexts.h"
#include "core/texts.h"

DeskTexts ReadDeskTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("RECEIPTION");
    DeskTexts d;
    d.InputRoomNo = t("InputRoomNo", "Please Input Room No.");
    d.msgOverCards = t("msgOverCards", "Sorry, The number of issued card is exceed.");
    d.msgNotVC = t("msgNotVC", "The selected room is not ready. Are you sure to Issue Card?");
    d.errExpiredTime = t("errExpiredTime", "Time of Check-Out must Greater than Now");
    d.msgExceedYuDing = t("msgExceedYuDing", "There has reservation, Continue?");
    d.msgIssueCardOK = Common.msgIssueCardOK;
    d.msgSelectGuest = t("msgSelectGuest", "Please Select a Guest to Check Out");
    d.msgCheckOutNoCardOK = t("msgCheckOutNoCardOK", "Check-out without card successfully");
    d.msgCheckOutByCardOK = t("msgCheckOutByCardOK", "Check-out with card successfully, Card Erased");
    d.msgNotGuestCard = t("msgNotGuestCard", "Sorry, The type of card is not guest card. Please try again");
    d.msgNoGuestInfo = t("msgNoGuestInfo", "Sorry, No Guest Infomation match this card");
    d.msgCardErase = t("msgCardErase", "Are you sure to Erase Card?");
    d.msgCardEraseOK = t("msgCardEraseOK", "Card Erase Success");
    d.errCardErase = t("errCardErase", "Card Erase Failure");
    d.msgOtherCard = t("msgOtherCard", "This is not the card of this check-out. Please put that card on the encoder.");
    d.msgTeamCheckOut = t("msgTeamCheckOut", "Are you sure to Check-Out All Rooms of this Group?");
    d.msgTeamCheckOutOK =
        t("msgTeamCheckOutOK", "Group Check-out successfully, Please erase all cards one by one later.");
    d.msgInputNameAndCNo = t("msgInputNameAndCNo", "Please do not forget input the two items:");
    d.msgReservationOK = t("msgReservationOK", "Make reservation success.");
    d.msgCancelReservation = t("msgCancelReservation", "Are you sure to cancel this reservation?");
    d.msgCancelReservation1 =
        t("msgCancelReservation1", "Note: Cancel the reservation of all rooms which list on the left.");
    d.msgCancelReservationOK = t("msgCancelReservationOK", "This reservation has been cancelled.");
    d.RoomNo = t("RoomNo", "Room No.");
    d.CNo = t("CNo", "Credential No.");
    d.GuestName = t("GuestName", "Name");
    d.CardCount = t("CardCount", "Cards Count");
    d.CardNum = InterfaceTexts::section("ROOMSDEFINATION")("CardNum", "Card Num");
    d.ExpiredDate = t("ExpiredDate", "Expiry");
    d.Change = t("Change", "Room Change");
    d.Postponed = t("Postponed", "Postpone");
    d.NewCheckIn = t("NewCheckIn", "New Check-In && Cover Cards Before");
    d.ReservationCheckIn = t("ReservationCheckIn", "Reservation Check-In");
    return d;
}

QString ShownCaption(const QString &caption)
{
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}
