#pragma once

#include <QString>

// The texts of the staff-cards screen, read when the screen is created (the
// admin tool reads the same captions for the cards it issues).
struct KeysForStaffTexts {
    QString Title;
    QString KeysForOpenDoor, KeysForOpenDoor_Hint, FunctionCard, FunctionCard_Hint;
    QString FloorCard, FloorCard_Hint, BuildingCard, BuildingCard_Hint, MasterCard, MasterCard_Hint;
    QString EmergencyCard, EmergencyCard_Hint, GroupCard, GroupCard_Hint;
    QString RecordCard, RecordCard_Hint, BlackNameCard, BlackNameCard_Hint, CheckOutCard, CheckOutCard_Hint;
    QString Search, Search_Hint, IssueCard, IssueCard_Hint, Exit, Exit_Hint;
    QString BuildingName, FloorNo, ExpiredDate, Time;
    QString CoverCardsBefore_Floor, CoverCardsBefore_Building, CoverCardsBefore_Master;
    QString CoverCardsBefore_Emergency, CoverCardsBefore_Group, CoverCardsBefore_CheckOut;
    QString GroupNo, LimitNo;
    // [COMMON]
    QString Holder, Memo, OpenPublicDoor, AccessBolt;
};

KeysForStaffTexts ReadKeysForStaffTexts();

// The caption of the kind's button, which is also the name its cards are issued under.
QString StaffKindCaption(const KeysForStaffTexts &texts, int kind);
// The caption of the cover box for the kind; empty for a kind without one.
QString StaffCoverCaption(const KeysForStaffTexts &texts, int kind);
