#include "screens/lockconfig/lockcardissue.h"

#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/rooms.h"

namespace {

constexpr int kMaxHolder = 50;
constexpr int kMaxMemo = 100;
constexpr int kIgnoreOverwriteBit = 2;

bool allGroups(int groupOp)
{
    return groupOp == ClearAllGroups || groupOp == SetAllGroups;
}

bool takeGroupNo(const QString &text)
{
    bool number = false;
    const int groupNo = text.toInt(&number);
    if (!number || groupNo < 0 || groupNo > 255) {
        ShowWarning(QStringLiteral("N9023"), Common.errGroupNo + u'\n' + text);
        return false;
    }
    curCard.GroupNo = groupNo;
    return true;
}

} // namespace

QString GroupOpName(int groupOp)
{
    return groupOp >= 0 && groupOp < 4 ? CardTypeNames[16 + groupOp] : QString();
}

int LockKindRight(int kind)
{
    for (int i = 0; i < int(std::size(kLockKinds)); ++i) {
        if (kLockKinds[i] == kind)
            return 31 + i;
    }
    return 0;
}

LockPanel LockPanelOf(int kind, int groupOp, int tiShi)
{
    LockPanel panel;
    panel.cover = !GetBit(tiShi, kIgnoreOverwriteBit);
    switch (kind) {
    case kRoomNoCard:
        panel.typing = false;
        panel.search = true;
        break;
    case kClockCard:
        panel.typing = false;
        break;
    case kGroupNoCard:
        panel.operation = true;
        panel.field = !allGroups(groupOp);
        break;
    default:
        break;
    }
    return panel;
}

IssueOutcome IssueLockCard(const LockCardFields &fields, const QString &msgSelectRoom)
{
    curCard = TCardInfo();
    curCard.iType = fields.kind;
    curCard.TypeName = fields.typeName;
    curCard.Holder = fields.holder.trimmed().left(kMaxHolder);
    const LockPanel panel = LockPanelOf(fields.kind, fields.groupOp, 0);
    const QString text = panel.field ? fields.field.trimmed() : QString();
    curCard.BeiZhu = (panel.operation ? GroupOpName(fields.groupOp) + QStringLiteral(", ") : QString())
                     + text.left(kMaxMemo);
    if (fields.kind == kRoomNoCard) {
        // The card carries the lock number of the room the field names, and
        // only a room picked since the kind was chosen fills the field.
        if (text.isEmpty() || fields.room.LockNo.isEmpty() || fields.room.BldRoomNo != text) {
            ShowWarning(QStringLiteral("N9049"), msgSelectRoom);
            return IssueOutcome::BadInput;
        }
        curRoom = fields.room;
    }
    if (fields.kind == kGroupNoCard) {
        curCard.GroupOp = fields.groupOp;
        if (panel.field && !takeGroupNo(text))
            return IssueOutcome::BadField;
    }
    if (!WriteCountedCard(fields.cover, fields.coverCaption))
        return IssueOutcome::Failed;
    ShowInfo(QStringLiteral("N9053---%1").arg(fields.kind),
             u'\n' + Common.msgIssueCardOK + QStringLiteral("\n\n") + curCard.TypeName);
    return IssueOutcome::Issued;
}
