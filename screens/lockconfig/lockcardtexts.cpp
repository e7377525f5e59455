#include "screens/lockconfig/lockcardtexts.h"

#include "core/texts.h"

LockConfigurationTexts ReadLockConfigurationTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("LOCKCONFIGURATION");
    LockConfigurationTexts r;
    r.Title = t("Title", "Lock Configuration");
    r.NormalConfiguration = t("NormalConfiguration", "Normal Configuration");
    r.NormalConfiguration_Hint = t("NormalConfiguration_Hint", "");
    r.ExtraConfiguration = t("ExtraConfiguration", "Extra Configuration");
    r.ExtraConfiguration_Hint = t("ExtraConfiguration_Hint", "");
    r.Guide = t("Guide", "Guide");
    r.ResetCard = t("ResetCard", "System Card");
    r.ResetCard_Hint = t("ResetCard_Hint", "Set system to door lock");
    r.RoomNoCard = t("RoomNoCard", "Room No. Setting Card");
    r.RoomNoCard_Hint = t("RoomNoCard_Hint", "Set room no. to door lock");
    r.TimeCard = t("TimeCard", "Clock Setting Card");
    r.TimeCard_Hint = t("TimeCard_Hint", "Set date & time to door lock");
    r.GroupNoCard = t("GroupNoCard", "GroupNo. Setting Card");
    r.GroupNoCard_Hint = t("GroupNoCard_Hint", "Set/Reset a GroupNo. to Lock");
    r.Search = t("Search", "Search");
    r.Search_Hint = t("Search_Hint", "Search Lock No. From Rooms List");
    r.IssueCard = t("IssueCard", "Issue Card");
    r.IssueCard_Hint = t("IssueCard_Hint", "Write Card");
    r.Exit = t("Exit", "Return to Main");
    r.Exit_Hint = t("Exit_Hint", "Return to Main Menu");
    r.BldRoomNo = t("BldRoomNo", "Building-Room No.");
    r.CurrentTime = t("CurrentTime", "Current Time");
    r.CoverCardsBefore_Reset = t("CoverCardsBefore_Reset", "Overwrite all the previous system cards");
    r.CoverCardsBefore_RoomNo = t("CoverCardsBefore_RoomNo", "Overwrite all the previous room no. setting cards");
    r.CoverCardsBefore_Time = t("CoverCardsBefore_Time", "Overwrite all the previous date/time setting cards");
    r.CoverCardsBefore_GroupNo = t("CoverCardsBefore_GroupNo", "Overwrite all the previous group no. setting cards");
    r.Memo = t("Memo", "Usually, Use System-Card Only");
    const InterfaceTexts common = InterfaceTexts::section("COMMON");
    r.Holder = common("Holder", "Card Holder");
    r.CommonMemo = common("Memo", "Memo");
    r.GroupRange = common("GroupRange", "Please specify Group No. between 0-255.");
    r.msgSelectRoom = InterfaceTexts::section("RECEIPTION")("msgSelectRoom", "Please Select Room(s) Correctly");
    return r;
}

QString LockKindCaption(const LockConfigurationTexts &texts, int kind)
{
    switch (kind) {
    case 0: return texts.ResetCard;
    case 2: return texts.RoomNoCard;
    case 3: return texts.TimeCard;
    case 5: return texts.GroupNoCard;
    default: return QString();
    }
}

QString LockCoverCaption(const LockConfigurationTexts &texts, int kind)
{
    switch (kind) {
    case 0: return texts.CoverCardsBefore_Reset;
    case 2: return texts.CoverCardsBefore_RoomNo;
    case 3: return texts.CoverCardsBefore_Time;
    case 5: return texts.CoverCardsBefore_GroupNo;
    default: return QString();
    }
}
