#include "screens/receiption/receiptiontexts.h"

#include "core/texts.h"

ReceiptionTexts ReadReceiptionTexts()
{
    ReceiptionTexts r;
    r.Title = InterfaceTexts::section("MAIN")("Receiption", "Receiption");
    const InterfaceTexts t = InterfaceTexts::section("RECEIPTION");
    r.ModiRoomStatus = t("ModiRoomStatus", "Room Status Setting");
    r.ModiRoomStatus_Hint = t("ModiRoomStatus_Hint", "Room Status Setting");
    r.DispChart = t("DispChart", "Room Status Chart");
    r.DispChart_Hint = t("DispChart_Hint", "Display Room Status Chart");
    r.WalkIn = t("WalkIn", "Walk In");
    r.WalkIn_Hint = t("WalkIn_Hint", "Guest WalkIn Check-In & Check-Out");
    r.TeamIn = t("TeamIn", "Group Receiption");
    r.TeamIn_Hint = t("TeamIn_Hint", "Group Check-In & Check-Out");
    r.Reservation = t("Reservation", "Reservation");
    r.Reservation_Hint = t("Reservation_Hint", "Guest Reservation");
    r.Change = t("Change", "Room Change");
    r.Change_Hint = t("Change_Hint", "Change Room with Card");
    r.Postponed = t("Postponed", "Postpone");
    r.Postponed_Hint = t("Postponed_Hint", "Postpone with Card");
    r.CheckOutByCard = t("CheckOutByCard", "CK-Out with Card");
    r.CheckOutByCard_Hint = t("CheckOutByCard_Hint", "Check Out with Card On Reader");
    r.CardInfo = t("CardInfo", "Card Information");
    r.CardInfo_Hint = t("CardInfo_Hint", "Display Card Information");
    r.CardErase = t("CardErase", "Card Erase");
    r.CardErase_Hint = t("CardErase_Hint", "Erase card information");
    r.Exit = t("Exit", "Return");
    r.Exit_Hint = t("Exit_Hint", "Return to Main Menu");
    r.GroupCheckIn = t("GroupCheckIn", "Group Check-In");
    r.GroupView = t("GroupView", "Group Browser");
    r.NewReservation = t("NewReservation", "Make Reservation");
    r.ReservationCheckIn = t("ReservationCheckIn", "Reservation Check-In");
    r.msgDefineRooms = t("msgDefineRooms", "Please Define Room(s) First.");
    r.OTCkIn = t("OTCkIn", "Reservation Time:");
    r.hintLabels = ReadRoomHintLabels();
    return r;
}

RoomHintLabels ReadRoomHintLabels()
{
    const InterfaceTexts rooms = InterfaceTexts::section("ROOMSDEFINATION");
    RoomHintLabels labels;
    labels.price = rooms("Price", "Day Price");
    labels.hourRateStartup = rooms("HourRateStartup", "Hour Rate Start-up");
    labels.hourRatePrice = rooms("HourRatePrice", "Hour Rate Price");
    return labels;
}
