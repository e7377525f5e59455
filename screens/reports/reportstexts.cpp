#include "screens/reports/reportstexts.h"

#include "core/texts.h"
#include "store/guests.h"

ReportsTexts ReadReportsTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("REPORTS");
    ReportsTexts r;
    r.Title = t("Title", "Reports");
    r.CardsReport = t("CardsReport", "Report of Cards");
    r.GuestsReport = t("GuestsReport", "Report of Guests");
    r.OpenReport = t("OpenReport", "Report of Open Door");
    r.CheckIn = t("CheckIn", "Check In");
    r.CheckOut = t("CheckOut", "Check Out");
    r.Type = t("Type", "Type");
    r.RoomNo = t("RoomNo", "Room No.");
    r.GongHao = t("GongHao", "Operator Code");
    r.GuestName = t("GuestName", "Guest Name");
    r.OrderBy = t("OrderBy", "Order");
    r.OK = t("OK", "OK");
    r.OK_Hint = t("OK_Hint", "OK");
    r.Cancel = t("Cancel", "Cancel");
    r.Cancel_Hint = t("Cancel_Hint", "Cancel");
    r.Option = t("Option", "Option");
    r.Option_Hint = t("Option_Hint", "Option");
    r.UpLoad = t("UpLoad", "UpLoad");
    r.UpLoad_Hint = t("UpLoad_Hint", "UpLoad Data From Recorder");
    r.Print = t("Print", "Print");
    r.Print_Hint = t("Print_Hint", "Print");
    r.Excel = t("Excel", "Export to Excel");
    r.Excel_Hint = t("Excel_Hint", "Export to Excel");
    r.Delete = t("Delete", "Delete");
    r.Delete_Hint = t("Delete_Hint", "Delete");
    r.Exit = t("Exit", "Exit");
    r.Exit_Hint = t("Exit_Hint", "Return to Main Menu");
    r.All = t("All", "ALL");
    r.OpenTime = t("OpenTime", "Time of Open Door");
    r.Holder = t("Holder", "Holder");
    r.BeiZhu = t("BeiZhu", "Memo");
    r.Status = t("Status", "Status");
    r.CardData = t("CardData", "Card Data");
    r.CardID = t("CardID", "Card ID");
    r.Time = t("Time", "Time");
    r.KeyOpen = t("KeyOpen", "Key Open");
    r.msgDelRecord = t("msgDelRecord", "Are you sure to delete the records display?");
    r.msgDelRecord1 = t("msgDelRecord1", "Delete the card expired or erased!");
    r.msgDelRecord2 = t("msgDelRecord2", "Delete the Guest expired or Check Out!");
    r.flagNames = {t("Flag_WalkIn", "Walk In"),         t("Flag_TeamIn", "Team"),
                   t("Flag_Copy", "Copy"),              t("Flag_CheckOut", "Check-Out"),
                   t("Flag_Reservation", "Reservation"), t("Flag_CancelReservation", "Cancel Reservation")};
    r.TimeExport = t("TimeExport", "Time of export");
    r.ExcelOK = t("ExcelOK", "Export Success");
    r.ExcelRow = t("ExcelRow", "Excel Row");
    r.errRecorder1 = t("errRecorder1", "Get Recorder version Failure");
    r.errRecorder2 = t("errRecorder2", "Not a Recorder");
    r.errRecorder3 = t("errRecorder3", "Read Data Failure");
    r.msgRecorder1 = t("msgRecorder1", "Start to upload, Continue?");
    r.msgRecorder2 = t("msgRecorder2", "Refresh Display, Continue?");

    const InterfaceTexts lock = InterfaceTexts::section("LOCKCONFIGURATION");
    r.Search = lock("Search", "Search");
    r.Search_Hint = lock("Search_Hint", "Search Lock No. From Rooms List");

    const InterfaceTexts desk = InterfaceTexts::section("RECEIPTION");
    r.lblCheckIn = desk("lblCheckIn", "Check In");
    r.lblCheckOut = desk("lblCheckOut", "CheckOut");
    r.Memo = desk("Memo", "Memo");
    r.Sex = desk("Sex", "Sex");
    r.CType = desk("CType", "Credential Type");
    r.CNo = desk("CNo", "Credential No.");
    r.Price = desk("Price", "Price");
    r.Deposit = desk("Deposit", "Deposit");
    return r;
}

QStringList GuestFlagValues()
{
    return {QLatin1String(kFlagWalkIn),   QLatin1String(kFlagTeamIn),      QLatin1String(kFlagCopy),
            QLatin1String(kFlagCheckOut), QLatin1String(kFlagReservation), QLatin1String(kFlagCancelReservation)};
}
