#include "tools/admin/cardissuecommand.h"

#include "core/clock.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/lockconfig/lockcardissue.h"
#include "screens/lockconfig/lockcardtexts.h"
#include "screens/staffcards/staffcardissue.h"
#include "screens/staffcards/staffcardtexts.h"
#include "store/rooms.h"
#include "tools/admin/deskcommand.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const QCommandLineOption kOperator(QStringLiteral("operator"),
                                   QStringLiteral("The operator who issues the card; the rights of its role apply."),
                                   QStringLiteral("CODE"));
const QCommandLineOption kHolder(QStringLiteral("holder"), QStringLiteral("The card's holder."), QStringLiteral("NAME"));
const QCommandLineOption kMemo(QStringLiteral("memo"),
                               QStringLiteral("The memo (floor, building, master, emergency, record, check-out and "
                                              "system cards)."),
                               QStringLiteral("TEXT"));
const QCommandLineOption kBuilding(QStringLiteral("building"),
                                   QStringLiteral("The building number (building and floor cards)."),
                                   QStringLiteral("N"));
const QCommandLineOption kFloor(QStringLiteral("floor"), QStringLiteral("The floor number (floor cards)."),
                                QStringLiteral("N"));
const QCommandLineOption kGroup(QStringLiteral("group"),
                                QStringLiteral("The group number 0-255 (group cards, and group-number cards that clear "
                                               "or set one group)."),
                                QStringLiteral("N"));
const QCommandLineOption kGroupOp(QStringLiteral("group-op"),
                                  QStringLiteral("What a group-number card does: clear-one, set-one, clear-all or "
                                                 "set-all."),
                                  QStringLiteral("OP"));
const QCommandLineOption kBlackCard(QStringLiteral("black-card"),
                                    QStringLiteral("The ID of the card to bar, 8 hexadecimal digits (black-name cards)."),
                                    QStringLiteral("ID"));
const QCommandLineOption kRoom(QStringLiteral("room"),
                               QStringLiteral("The room whose lock number the card sets, as 1-101 (room-number cards)."),
                               QStringLiteral("BLDROOMNO"));
const QCommandLineOption kUntil(QStringLiteral("until"),
                                QStringLiteral("The expiry date, yyyy-MM-dd (door cards); else today and 30 days for "
                                               "a floor card, 365 for the others."),
                                QStringLiteral("DATE"));
const QCommandLineOption kStart(QStringLiteral("start"),
                                QStringLiteral("The daily start time, HH:mm (door cards); else 00:00."),
                                QStringLiteral("TIME"));
const QCommandLineOption kEnd(QStringLiteral("end"),
                              QStringLiteral("The daily end time and the time of expiry, HH:mm (door cards); else 23:59."),
                              QStringLiteral("TIME"));
const QCommandLineOption kAccessBolt(QStringLiteral("access-bolt"),
                                     QStringLiteral("The card opens a deadbolted door (door cards; the default for "
                                                    "master and emergency cards)."));
const QCommandLineOption kNoAccessBolt(QStringLiteral("no-access-bolt"),
                                       QStringLiteral("The card does not open a deadbolted door."));
const QCommandLineOption kCover(QStringLiteral("cover"),
                                QStringLiteral("The earlier cards of the kind stop working: the kind's issue counter "
                                               "is raised. Refused where the screen hides the box."));
const QCommandLineOption kYes(QStringLiteral("yes"),
                              QStringLiteral("Answer OK to the questions; without it they are answered Cancel."));

const QList<QPair<QString, int>> kKindNames = {
    {QStringLiteral("floor"), 13},      {QStringLiteral("building"), 12},    {QStringLiteral("master"), 11},
    {QStringLiteral("emergency"), 10},  {QStringLiteral("group"), 8},        {QStringLiteral("record"), 1},
    {QStringLiteral("black-name"), 4},  {QStringLiteral("check-out"), 7},    {QStringLiteral("system"), 0},
    {QStringLiteral("room-number"), 2}, {QStringLiteral("clock"), 3},        {QStringLiteral("group-number"), 5},
};

const QStringList kGroupOpNames = {QStringLiteral("clear-one"), QStringLiteral("set-one"),
                                   QStringLiteral("clear-all"), QStringLiteral("set-all")};

bool isStaffKind(int kind)
{
    return StaffKindRight(kind) > 0;
}

// The kinds each option is for; the others refuse it.
bool appliesTo(const QCommandLineOption &option, int kind)
{
    const QString name = option.names().first();
    const bool door = isStaffKind(kind) && StaffPanelOf(kind, 0).doorKind;
    if (name == kMemo.names().first())
        return QList<int>{13, 12, 11, 10, 1, 7, kSystemCard}.contains(kind);
    if (name == kBuilding.names().first())
        return kind == 12 || kind == 13;
    if (name == kFloor.names().first())
        return kind == 13;
    if (name == kGroup.names().first())
        return kind == kGroupCard || kind == kGroupNoCard;
    if (name == kGroupOp.names().first())
        return kind == kGroupNoCard;
    if (name == kBlackCard.names().first())
        return kind == kBlackNameCard;
    if (name == kRoom.names().first())
        return kind == kRoomNoCard;
    return door;
}

struct Parsed {
    int kind = 0;
    std::optional<int> building;
    std::optional<int> floor;
    int groupOp = ClearOneGroup;
    QDate until;
    QTime start{0, 0};
    QTime end{23, 59};
    std::optional<bool> accessBolt;
};

// The command line as the issue takes it; an error message when it does not fit.
QString parse(const QCommandLineParser &parser, const QString &kindName, Parsed *parsed)
{
    int kind = -1;
    for (const auto &[name, value] : kKindNames) {
        if (name == kindName)
            kind = value;
    }
    if (kind < 0)
        return QStringLiteral("unknown card kind '%1'").arg(kindName);
    parsed->kind = kind;
    if (parser.value(kOperator).isEmpty())
        return QStringLiteral("--operator CODE is required");
    for (const QCommandLineOption &option : {kMemo, kBuilding, kFloor, kGroup, kGroupOp, kBlackCard, kRoom, kUntil,
                                             kStart, kEnd, kAccessBolt, kNoAccessBolt}) {
        if (parser.isSet(option) && !appliesTo(option, kind))
            return QStringLiteral("--%1 does not apply to %2 cards").arg(option.names().first(), kindName);
    }
    const auto number = [&parser](const QCommandLineOption &option, std::optional<int> *value) {
        if (!parser.isSet(option))
            return true;
        bool ok = false;
        *value = parser.value(option).toInt(&ok);
        return ok;
    };
    if (!number(kBuilding, &parsed->building))
        return QStringLiteral("--building expects a number");
    if (!number(kFloor, &parsed->floor))
        return QStringLiteral("--floor expects a number");
    if (kind == kGroupNoCard) {
        parsed->groupOp = kGroupOpNames.indexOf(parser.value(kGroupOp));
        if (parsed->groupOp < 0)
            return QStringLiteral("--group-op expects clear-one, set-one, clear-all or set-all");
        if (parser.isSet(kGroup) && !LockPanelOf(kind, parsed->groupOp, 0).field)
            return QStringLiteral("--group does not apply to %1").arg(parser.value(kGroupOp));
    }
    if (parser.isSet(kUntil)) {
        parsed->until = QDate::fromString(parser.value(kUntil), QStringLiteral("yyyy-MM-dd"));
        if (!parsed->until.isValid() || parsed->until < QDate(2009, 1, 1) || parsed->until > QDate(2048, 12, 31))
            return QStringLiteral("--until expects a date yyyy-MM-dd from 2009-01-01 to 2048-12-31");
    }
    for (const auto &[option, time] : {std::pair{kStart, &parsed->start}, std::pair{kEnd, &parsed->end}}) {
        if (!parser.isSet(option))
            continue;
        *time = QTime::fromString(parser.value(option), QStringLiteral("HH:mm"));
        if (!time->isValid())
            return QStringLiteral("--%1 expects a time HH:mm").arg(option.names().first());
    }
    if (parser.isSet(kAccessBolt) && parser.isSet(kNoAccessBolt))
        return QStringLiteral("--access-bolt and --no-access-bolt exclude each other");
    if (parser.isSet(kAccessBolt) || parser.isSet(kNoAccessBolt))
        parsed->accessBolt = parser.isSet(kAccessBolt);
    return QString();
}

// The building and floor as the lists offer them: -1 when not chosen, as a list left empty.
bool placeOf(const Parsed &parsed, int *bldNo, int *flrNo)
{
    const StaffPanel panel = StaffPanelOf(parsed.kind, settings.TiShi);
    *bldNo = panel.building ? parsed.building.value_or(-1) : 0;
    *flrNo = panel.floor ? parsed.floor.value_or(-1) : 0;
    if (!panel.building || !parsed.building)
        return true;
    QStringList names;
    LoadBuildings(names);
    if (!aryBldNo.contains(*bldNo))
        return RefuseCommand(QStringLiteral("there is no building %1").arg(*bldNo));
    if (!panel.floor || !parsed.floor)
        return true;
    QStringList floors;
    LoadFloors(*bldNo, floors);
    if (!floors.contains(QString::number(*flrNo)))
        return RefuseCommand(QStringLiteral("building %1 has no floor %2").arg(*bldNo).arg(*flrNo));
    return true;
}

IssueOutcome issueStaffCard(const QCommandLineParser &parser, const Parsed &parsed)
{
    const StaffPanel panel = StaffPanelOf(parsed.kind, settings.TiShi);
    const KeysForStaffTexts texts = ReadKeysForStaffTexts();
    StaffCardFields fields;
    fields.kind = parsed.kind;
    fields.typeName = StaffKindCaption(texts, parsed.kind);
    fields.holder = parser.value(kHolder);
    fields.memo = parsed.kind == kGroupCard        ? parser.value(kGroup)
                  : parsed.kind == kBlackNameCard ? parser.value(kBlackCard)
                                                  : parser.value(kMemo);
    if (!placeOf(parsed, &fields.bldNo, &fields.flrNo))
        return IssueOutcome::BadInput;
    fields.expiry = parsed.until.isValid() ? parsed.until : Clock().now().date().addDays(panel.expiryDays);
    fields.start = parsed.start;
    fields.end = parsed.end;
    fields.publicDoor = panel.boltTicked;
    fields.accessBolt = parsed.accessBolt.value_or(panel.boltTicked);
    fields.cover = parser.isSet(kCover);
    fields.coverCaption = StaffCoverCaption(texts, parsed.kind);
    return IssueStaffCard(fields);
}

IssueOutcome issueLockCard(const QCommandLineParser &parser, const Parsed &parsed)
{
    const LockConfigurationTexts texts = ReadLockConfigurationTexts();
    LockCardFields fields;
    fields.kind = parsed.kind;
    fields.groupOp = parsed.groupOp;
    fields.typeName = parsed.kind == kGroupNoCard ? GroupOpName(parsed.groupOp) : LockKindCaption(texts, parsed.kind);
    fields.holder = parser.value(kHolder);
    switch (parsed.kind) {
    case kRoomNoCard:
        if (parser.isSet(kRoom)) {
            const int index = GetPointerOfAryRoom(ByBldRoomNo, parser.value(kRoom));
            if (index < 0)
                return IssueOutcome::BadInput;
            fields.room = aryRoom[index];
            fields.field = fields.room.BldRoomNo;
        }
        break;
    case kClockCard:
        fields.field = Clock().now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        break;
    case kGroupNoCard:
        fields.field = parser.value(kGroup);
        break;
    default:
        fields.field = parser.value(kMemo);
        break;
    }
    fields.cover = parser.isSet(kCover);
    fields.coverCaption = LockCoverCaption(texts, parsed.kind);
    return IssueLockCard(fields, texts.msgSelectRoom);
}

} // namespace

QList<QCommandLineOption> CardIssueOptions()
{
    return {kOperator, kHolder, kMemo,  kBuilding,   kFloor,        kGroup,  kGroupOp, kBlackCard, kRoom,
            kUntil,    kStart,  kEnd,   kAccessBolt, kNoAccessBolt, kCover,  kYes};
}

bool AnyCardIssueOption(const QCommandLineParser &parser, const QStringList &except)
{
    for (const QCommandLineOption &option : CardIssueOptions()) {
        if (parser.isSet(option) && !except.contains(option.names().first()))
            return true;
    }
    return false;
}

int RunCardIssue(const QCommandLineParser &parser, const QString &kindName,
                 const std::function<int(const QString &)> &usageError)
{
    Parsed parsed;
    if (const QString error = parse(parser, kindName, &parsed); !error.isEmpty())
        return usageError(error);
    DeskCommand desk(parser.isSet(kYes), parser.isSet(QStringLiteral("server")));
    const bool staff = isStaffKind(parsed.kind);
    if (!desk.start(parser.value(kOperator),
                    {staff ? StaffKindRight(parsed.kind) : LockKindRight(parsed.kind),
                     staff ? kStaffIssueRight : kLockIssueRight},
                    QStringLiteral("issue %1 cards").arg(kindName)))
        return 1;
    const bool coverShown = staff ? StaffPanelOf(parsed.kind, settings.TiShi).cover
                                  : LockPanelOf(parsed.kind, parsed.groupOp, settings.TiShi).cover;
    if (parser.isSet(kCover) && !coverShown) {
        RefuseCommand(QStringLiteral("%1 cards cannot cover the earlier ones here: the screen hides that box")
                          .arg(kindName));
        return 1;
    }
    desk.openEncoder();
    const IssueOutcome outcome = staff ? issueStaffCard(parser, parsed) : issueLockCard(parser, parsed);
    if (outcome != IssueOutcome::Issued)
        return 1;
    std::printf("CardID=%s\n", qPrintable(curCard.CardID));
    return 0;
}
