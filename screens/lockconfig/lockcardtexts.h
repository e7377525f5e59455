#pragma once

#include <QString>

// The texts of the lock-configuration screen, read when the screen is created
// (the admin tool reads the same captions for the cards it issues).
struct LockConfigurationTexts {
    QString Title;
    QString NormalConfiguration, NormalConfiguration_Hint, ExtraConfiguration, ExtraConfiguration_Hint, Guide;
    QString ResetCard, ResetCard_Hint, RoomNoCard, RoomNoCard_Hint, TimeCard, TimeCard_Hint;
    QString GroupNoCard, GroupNoCard_Hint;
    QString Search, Search_Hint, IssueCard, IssueCard_Hint, Exit, Exit_Hint;
    QString BldRoomNo, CurrentTime;
    QString CoverCardsBefore_Reset, CoverCardsBefore_RoomNo, CoverCardsBefore_Time, CoverCardsBefore_GroupNo;
    QString Memo;
    // [COMMON]
    QString Holder, CommonMemo, GroupRange;
    // [RECEIPTION]
    QString msgSelectRoom;
};

LockConfigurationTexts ReadLockConfigurationTexts();

// The caption of the kind's button (the group-number card is issued under the
// name of its operation instead), and of the cover box for the kind.
QString LockKindCaption(const LockConfigurationTexts &texts, int kind);
QString LockCoverCaption(const LockConfigurationTexts &texts, int kind);
