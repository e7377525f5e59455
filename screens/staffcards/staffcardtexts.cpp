#include "screens/staffcards/staffcardtexts.h"

#include "core/texts.h"

KeysForStaffTexts ReadKeysForStaffTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("KEYSFORSTAFF");
    KeysForStaffTexts r;
    r.Title = t("Title", "Card key for staff");
    r.KeysForOpenDoor = t("KeysForOpenDoor", "Keys For Open Door");
    r.KeysForOpenDoor_Hint = t("KeysForOpenDoor_Hint", "Card keys for unlocking the door");
    r.FunctionCard = t("FunctionCard", "Functional Cards");
    r.FunctionCard_Hint = t("FunctionCard_Hint", "Functional Card");
    r.FloorCard = t("FloorCard", "Floor Card");
    r.FloorCard_Hint = t("FloorCard_Hint", "Open all guestrooms in the specified floor");
    r.BuildingCard = t("BuildingCard", "Building Card");
    r.BuildingCard_Hint = t("BuildingCard_Hint", "Open all guestrooms in the specified building");
    r.MasterCard = t("MasterCard", "Master Card");
    r.MasterCard_Hint = t("MasterCard_Hint", "Open all guestrooms");
    r.EmergencyCard = t("EmergencyCard", "Emergency Card");
    r.EmergencyCard_Hint = t("EmergencyCard_Hint", "Open all guestrooms");
    r.GroupCard = t("GroupCard", "Group Card");
    r.GroupCard_Hint = t("GroupCard_Hint", "Open all guestrooms in the specified group no.");
    r.RecordCard = t("RecordCard", "Record Card");
    r.RecordCard_Hint = t("RecordCard_Hint", "Download unlocking records");
    r.BlackNameCard = t("BlackNameCard", "Lost Card");
    r.BlackNameCard_Hint = t("BlackNameCard_Hint", "Lost card");
    r.CheckOutCard = t("CheckOutCard", "Terminate Card");
    r.CheckOutCard_Hint = t("CheckOutCard_Hint", "Temporary out of order");
    r.Search = t("Search", "Search");
    r.Search_Hint = t("Search_Hint", "Search Card No. From Cards List");
    r.IssueCard = t("IssueCard", "Issue Card");
    r.IssueCard_Hint = t("IssueCard_Hint", "Write Card");
    r.Exit = t("Exit", "Return to Main");
    r.Exit_Hint = t("Exit_Hint", "Return to Main Menu");
    r.BuildingName = t("BuildingName", "Building Name");
    r.FloorNo = t("FloorNo", "Floor No.");
    r.ExpiredDate = t("ExpiredDate", "Date of Expiry");
    r.Time = t("Time", "Time");
    r.CoverCardsBefore_Floor = t("CoverCardsBefore_Floor", "Overwrite all the previous Floor Cards");
    r.CoverCardsBefore_Building = t("CoverCardsBefore_Building", "Overwrite all the previous Building Cards");
    r.CoverCardsBefore_Master = t("CoverCardsBefore_Master", "Overwrite all the previous Master Cards");
    r.CoverCardsBefore_Emergency = t("CoverCardsBefore_Emergency", "Overwrite all the previous Emergency Cards");
    r.CoverCardsBefore_Group = t("CoverCardsBefore_Group", "Overwrite all the previous Group Cards");
    r.CoverCardsBefore_CheckOut = t("CoverCardsBefore_CheckOut", "Overwrite all the previous Terminate Cards");
    r.GroupNo = t("GroupNo", "Group No.");
    r.LimitNo = t("LimitNo", "Card No.");
    const InterfaceTexts common = InterfaceTexts::section("COMMON");
    r.Holder = common("Holder", "Holder");
    r.Memo = common("Memo", "Memo");
    r.OpenPublicDoor = common("OpenPublicDoor", "Unlock Public Door");
    r.AccessBolt = common("AccessBolt", "Unlock Deadbolt Locked");
    return r;
}

QString StaffKindCaption(const KeysForStaffTexts &texts, int kind)
{
    switch (kind) {
    case 1: return texts.RecordCard;
    case 4: return texts.BlackNameCard;
    case 7: return texts.CheckOutCard;
    case 8: return texts.GroupCard;
    case 10: return texts.EmergencyCard;
    case 11: return texts.MasterCard;
    case 12: return texts.BuildingCard;
    case 13: return texts.FloorCard;
    default: return QString();
    }
}

QString StaffCoverCaption(const KeysForStaffTexts &texts, int kind)
{
    switch (kind) {
    case 7: return texts.CoverCardsBefore_CheckOut;
    case 8: return texts.CoverCardsBefore_Group;
    case 10: return texts.CoverCardsBefore_Emergency;
    case 11: return texts.CoverCardsBefore_Master;
    case 12: return texts.CoverCardsBefore_Building;
    case 13: return texts.CoverCardsBefore_Floor;
    default: return QString();
    }
}
