#include "screens/receiption/guestpaneltexts.h"

#include "core/texts.h"
#include "screens/receiption/receiptiontexts.h"

GuestPanelTexts ReadGuestPanelTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("RECEIPTION");
    GuestPanelTexts g;
    g.RoomNo = t("RoomNo", "Room No.");
    g.Search = t("Search", "Search");
    g.Search_Hint = t("Search_Hint", "Search Room No. From Room List");
    g.IssueCard = t("IssueCard", "Issue Card");
    g.IssueCard_Hint = t("IssueCard_Hint", "Issue Guest Card");
    g.GuestDetail = t("GuestDetail", "Detail");
    g.GuestDetail_Hint = t("GuestDetail_Hint", "Show or Hide Guest Detail");
    g.hintMemRoom = t("hintMemRoom", "Press F4 to toggle Display/Hide");
    g.NewCheckIn = t("NewCheckIn", "New Check-In && Cover Cards Before");
    g.HourRate = t("HourRate", "Hour-rate Room");
    g.VIP = t("VIP", "VIP");
    g.ExpiredDate = t("ExpiredDate", "Expiry");
    g.CardCount = t("CardCount", "Cards Count");
    g.Days = t("Days", "Days");
    g.Hours = t("Hours", "Hours");
    g.CloseGuest = t("CloseGuest", "Close");
    g.CloseGuest_Hint = t("CloseGuest_Hint", "Return to Receiption Bulletin");
    g.CheckOutNoCard = t("CheckOutNoCard", "Check-Out without Card");
    g.CheckOutNoCard_Hint = t("CheckOutNoCard_Hint", "Guest Check-Out without Card");
    g.CheckOutByCard = t("CheckOutByCard", "CK-Out with Card");
    g.CheckOutByCard_Hint = t("CheckOutByCard_Hint", "Check Out with Card On Reader");
    g.TeamCheckOut = t("TeamCheckOut", "Group Check-Out");
    g.TeamCheckOut_Hint = t("TeamCheckOut_Hint", "Group Check-Out without card, Please Erase All Cards Later");
    g.CancelReservation = t("CancelReservation", "Cancel Reservation");
    g.hintCancelReservation = t("hintCancelReservation", "Cancel current reservation");
    g.NewReservation = t("NewReservation", "Make Reservation");
    g.tReservCkIn = t("tReservCkIn", "Reservation Check-In");
    g.RoomsAllocation = t("RoomsAllocation", "Rooms Allocation");
    g.AllVCRooms = t("AllVCRooms", "All Valid Rooms");
    g.RoomsSelected = t("RoomsSelected", "Rooms Selected");
    g.SelectRoom_Hint = t("SelectRoom_Hint", "Select");
    g.unSelectRoom_Hint = t("unSelectRoom_Hint", "Unselect");
    g.GuestInfo = t("GuestInfo", "Guest Information");
    g.TeamLeader = t("TeamLeader", "Team Leader");
    g.GuestName = t("GuestName", "Name");
    g.Sex = t("Sex", "Sex");
    g.CType = t("CType", "Credential Type");
    g.CNo = t("CNo", "Credential No.");
    g.Price = t("Price", "Price");
    g.Deposit = t("Deposit", "Deposit");
    g.Memo = t("Memo", "Memo");
    g.lblCheckIn = t("lblCheckIn", "Check-In");
    g.lblCheckOut = t("lblCheckOut", "Check-Out");
    g.sexes = {t("Male", "Male"), t("Female", "Female")};
    g.credentialTypes = {t("CType1", "ID Card"), t("CType2", "Driver License "), t("CType3", "Military Officer Card "),
                         t("CType4", "PassPort"), t("CType5", "Phone No.")};
    g.priceLabels = ReadRoomHintLabels();
    return g;
}
