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
    d.RoomNo = t("RoomNo", "Room No.");
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
