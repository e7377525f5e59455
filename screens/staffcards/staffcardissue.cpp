#include "screens/staffcards/staffcardissue.h"

#include "core/clock.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/rooms.h"

#include <QRegularExpression>

namespace {

constexpr int kMaxHolder = 50;
constexpr int kMaxMemo = 100;
constexpr int kIgnoreOverwriteBit = 2;

bool checkPlace(const StaffCardFields &fields)
{
    if (fields.bldNo >= 0 && fields.flrNo >= 0)
        return true;
    ShowWarning(QStringLiteral("N9050"), Common.ErrInput);
    return false;
}

bool takeGroupNo(const QString &memo)
{
    bool number = false;
    const int groupNo = memo.toInt(&number);
    if (!number || groupNo < 0 || groupNo > 255) {
        ShowWarning(QStringLiteral("N9051"), Common.errGroupNo + u'\n' + memo);
        return false;
    }
    curCard.GroupNo = groupNo;
    return true;
}

// The ID of the card to bar, as the reports list shows it: 8 hexadecimal digits.
bool takeBlackCardId(const QString &memo)
{
    static const QRegularExpression cardId(QStringLiteral("^[0-9A-Fa-f]{8}$"));
    if (!cardId.match(memo).hasMatch()) {
        ShowWarning(QStringLiteral("N9052"), Common.ErrInput + u'\n' + memo);
        return false;
    }
    curCard.BlackCardID = memo.toUpper();
    return true;
}

} // namespace

int StaffKindRight(int kind)
{
    for (int i = 0; i < int(std::size(kStaffKinds)); ++i) {
        if (kStaffKinds[i] == kind)
            return 41 + i;
    }
    return 0;
}

StaffPanel StaffPanelOf(int kind, int tiShi)
{
    StaffPanel panel;
    const bool coverAllowed = !GetBit(tiShi, kIgnoreOverwriteBit);
    panel.doorKind = kind == kGroupCard || (kind >= 10 && kind <= 13);
    panel.expiryDays = kind == kFloorCard ? 30 : 365;
    switch (kind) {
    case 1:
    case kBlackNameCard:
        panel.options = false;
        break;
    case 7:
        panel.options = coverAllowed;
        break;
    case 10:
    case 11:
        panel.boltTicked = true;
        break;
    case 13:
        panel.floor = true;
        [[fallthrough]];
    case 12:
        panel.building = true;
        break;
    default:
        break;
    }
    if (kind == kGroupCard)
        panel.memo = StaffMemo::GroupNo;
    else if (kind == kBlackNameCard)
        panel.memo = StaffMemo::CardNo;
    panel.cover = panel.options && coverAllowed;
    return panel;
}

IssueOutcome IssueStaffCard(const StaffCardFields &fields)
{
    curCard = TCardInfo();
    curCard.iType = fields.kind;
    curCard.TypeName = fields.typeName;
    curCard.Holder = fields.holder.trimmed().left(kMaxHolder);
    const QString memo = fields.memo.trimmed();
    curCard.BeiZhu = memo.left(kMaxMemo);
    if (!checkPlace(fields))
        return IssueOutcome::BadInput;
    curCard.BldNo = fields.bldNo;
    curCard.FlrNo = fields.flrNo;
    if (fields.kind == kGroupCard && !takeGroupNo(memo))
        return IssueOutcome::BadField;
    if (fields.kind == kBlackNameCard && !takeBlackCardId(memo))
        return IssueOutcome::BadField;
    if (StaffPanelOf(fields.kind, 0).doorKind) {
        curCard.EndTime = QDateTime(fields.expiry, fields.end);
        curCard.StartTime = QDateTime(Clock().now().date(), fields.start);
    }
    curCard.PublicDoor = fields.publicDoor ? 8 : 0;
    curCard.AccessBolt = fields.accessBolt ? 1 : 0;
    GuestCoID = settings.dlsCoID;
    // The lock options may forbid raising the counter whatever the panel says.
    const bool cover = fields.cover && StaffPanelOf(fields.kind, settings.TiShi).cover;
    if (!WriteCountedCard(cover, fields.coverCaption))
        return IssueOutcome::Failed;
    ShowInfo(QStringLiteral("N9054---%1").arg(fields.kind),
             u'\n' + Common.msgIssueCardOK + QStringLiteral("\n\n") + curCard.TypeName);
    return IssueOutcome::Issued;
}
