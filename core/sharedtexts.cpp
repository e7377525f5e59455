#include "core/sharedtexts.h"

#include "core/texts.h"

TCommonTexts Common;
QString CardTypeNames[kCardTypeNameCount];

namespace {

struct CardTypeKey {
    int entry;
    const char *key;
    const char *def;
};

const CardTypeKey kCommonCardTypeKeys[] = {
    {0, "Type_ShouQuan", "System Card"},
    {1, "Type_JiLu", "Record Card"},
    {2, "Type_FangHao", "Room No. Setting Card"},
    {3, "Type_ShiJian", "Time Setting Card"},
    {4, "Type_GuaShi", "Black Name Card"},
    {5, "Type_ZuHao", "Group No. Setting Card"},
    {6, "Type_KeRen", "Guest Card"},
    {7, "Type_TuiFang", "Terminate Card"},
    {8, "Type_ZuKong", "Group Card"},
    {10, "Type_YingJi", "Emergency Card"},
    {11, "Type_ZongKong", "Master Card"},
    {12, "Type_LouDong", "Building Card"},
    {13, "Type_LouCeng", "Floor Card"},
};

const CardTypeKey kGroupOperationKeys[] = {
    {16, "ClearOneGroup", "Clear One Group"},
    {17, "SetOneGroup", "Set One Group"},
    {18, "ClearAllGroups", "Clear All Groups"},
    {19, "SetAllGroups", "Set All Groups"},
};

} // namespace

void LoadSharedTexts()
{
    const InterfaceTexts common = InterfaceTexts::section("COMMON");
    TCommonTexts &c = Common;
    c.RoomStatus_VC = common("RoomStatus_VC", "Vacant");
    c.RoomStatus_OH = common("RoomStatus_OH", "Hour Used");
    c.RoomStatus_OT = common("RoomStatus_OT", "Reservation");
    c.RoomStatus_TO = common("RoomStatus_TO", "Rented Remind");
    c.RoomStatus_VD = common("RoomStatus_VD", "Cleaning Room");
    c.RoomStatus_OO = common("RoomStatus_OO", "Maintenance");
    c.RoomStatus_OC_WalkIn = common("RoomStatus_OC_WalkIn", "Guest");
    c.RoomStatus_OC_Team = common("RoomStatus_OC_Team", "Guest Group");

    c.CardStatus_Erased = common("CardStatus_Erased", "Erased Card Successfully");
    c.ErrOpenUSB = common("ErrOpenUSB", "Please check the device or USB communication port.");
    c.ErrNoUSB = common("ErrNoUSB", "Please check the device or USB communication port.");
    c.ErrReadCard = common("ErrReadCard", "Read Card Failure,Please check the card encoder or USB port.");
    c.ErrWriteCard = common("ErrWriteCard", "Write Card Failure,Please check the card encoder or USB port.");
    c.ErrInput = common("ErrInput", "The input is not correct. Please try again.");
    c.errGroupNo = common("errGroupNo", "Please specify the Group No. between 0-255");
    c.errBldRoomNo = common("errBldRoomNo", "Please check Building No. and Room No.");
    c.ErrRepeatBldRoomNo = common("ErrRepeatBldRoomNo", "The Building No. or Room No. are duplicated, Please check them.");
    c.msgAddRoom = common("msgAddRoom", "Please add guestrooms first");
    c.msgNoCard = common("msgNoCard", "Please check the card on the Encoder.");
    c.msgIssueCardOK = common("msgIssueCardOK", "Issued Card Successfully.");
    c.sBlankCard = common("sBlankCard", "Blank Card");
    c.msgCheckBlank = common("msgCheckBlank", "This is not a blank card, Are you sure to issue card?");
    c.sIssueTime = common("sIssueTime", "Date of Issue");
    c.sExpiredTime = common("sExpiredTime", "Date of Expiry");
    c.sShiDuan = common("sShiDuan", "Operation Time: ");

    for (int i = 0; i < 16; ++i)
        CardTypeNames[i] = QStringLiteral("UNKNOWN");
    for (const CardTypeKey &k : kCommonCardTypeKeys)
        CardTypeNames[k.entry] = common(k.key, k.def).left(kCardTypeNameLength);
    const InterfaceTexts lockConfiguration = InterfaceTexts::section("LOCKCONFIGURATION");
    for (const CardTypeKey &k : kGroupOperationKeys)
        CardTypeNames[k.entry] = lockConfiguration(k.key, k.def).left(kCardTypeNameLength);
}
