#include "lockdecision.h"

#include "lockrecords.h"

namespace {

enum Kind {
    SystemKind = 0,
    RecordKind = 1,
    RoomNumberKind = 2,
    ClockKind = 3,
    BlackNameKind = 4,
    GroupNumberKind = 5,
    GuestKind = 6,
    CheckOutKind = 7,
    GroupKind = 8,
    EmergencyKind = 10,
    MasterKind = 11,
    BuildingKind = 12,
    FloorKind = 13,
};

LockAnswer denied(const QString &reason)
{
    return {LockAnswer::Denied, reason, std::nullopt};
}

LockAnswer set(const QString &what)
{
    return {LockAnswer::Set, what, std::nullopt};
}

QDateTime toMinute(const QDateTime &time)
{
    return QDateTime(time.date(), QTime(time.time().hour(), time.time().minute()));
}

int minuteOfDay(const QTime &time)
{
    return time.hour() * 60 + time.minute();
}

// Counters run 0..255 and wrap: a card is older when the newest seen is ahead
// of it by up to half the circle. Half the circle exactly counts as older, so
// that a doubt keeps the door shut.
bool older(int dai, int newest)
{
    const int behind = (newest - dai) & 255;
    return behind >= 1 && behind <= 128;
}

// Guest cards are covered per room, the other kinds per kind.
QString daiKey(const SimCard &card)
{
    if (card.kind() == GuestKind)
        return QString::asprintf("room.%.3d%.3d%.3d", card.bytes[7], card.bytes[6], card.bytes[5]);
    return QStringLiteral("kind.%1").arg(card.kind());
}

bool isStaffKind(int kind)
{
    return kind == GroupKind || (kind >= EmergencyKind && kind <= FloorKind);
}

// The doors a card names, against the lock's number and groups.
std::optional<QString> wrongDoor(const SimLock &lock, const SimCard &card)
{
    const auto &b = card.bytes;
    const bool numbered = lock.lockNo.has_value();
    const std::array<int, 3> no = lock.lockNo.value_or(std::array<int, 3>{-1, -1, -1});
    switch (card.kind()) {
    case GuestKind:
        if (!numbered)
            return QStringLiteral("the lock has no lock number");
        return no == std::array<int, 3>{b[7], b[6], b[5]} ? std::nullopt
                                                            : std::optional(QStringLiteral("another room's card"));
    case FloorKind:
        if (!numbered)
            return QStringLiteral("the lock has no lock number");
        return no[0] == b[7] && no[1] == b[6] ? std::nullopt : std::optional(QStringLiteral("another floor's card"));
    case BuildingKind:
        if (!numbered)
            return QStringLiteral("the lock has no lock number");
        return no[0] == b[7] ? std::nullopt : std::optional(QStringLiteral("another building's card"));
    case GroupKind:
        return lock.groups.test(b[6]) ? std::nullopt : std::optional(QStringLiteral("another group's card"));
    default:
        return std::nullopt; // master and emergency cards open every lock
    }
}

// A guest card opens from its issue time to its end time, to the minute, and
// not when a check-out card was presented after it was issued.
std::optional<QString> outsideGuestTime(const SimLock &lock, const SimCard &card, const QDateTime &now)
{
    const auto issued = UnpackTime(card.issue());
    const auto end = UnpackTime(card.end());
    if (!issued || !end)
        return QStringLiteral("the card carries no valid time");
    if (now < *issued)
        return QStringLiteral("not valid yet");
    if (now > *end)
        return QStringLiteral("expired");
    if (lock.terminated.isValid() && *issued < toMinute(lock.terminated))
        return QStringLiteral("checked out by a check-out card");
    return std::nullopt;
}

// A staff card opens from its issue date to its end date, each day from its
// start time to the time of day of its end; a start after the end is a night
// shift that runs past midnight.
std::optional<QString> outsideStaffTime(const SimCard &card, const QDateTime &now)
{
    const auto issued = UnpackTime(card.issue());
    const auto end = UnpackTime(card.end());
    if (!issued || !end)
        return QStringLiteral("the card carries no valid time");
    if (now.date() < issued->date())
        return QStringLiteral("not valid yet");
    if (now > *end)
        return QStringLiteral("expired");
    const int start = card.bytes[5] / 8 * 60 + (card.bytes[5] & 7) * 10;
    const int stop = minuteOfDay(end->time());
    const int minute = minuteOfDay(now.time());
    const bool inHours = start <= stop ? minute >= start && minute <= stop : minute >= start || minute <= stop;
    return inHours ? std::nullopt : std::optional(QStringLiteral("outside its hours"));
}

QString idOfBytes(const SimCard &card)
{
    return QString::asprintf("%.2X%.2X%.2X%.2X", card.bytes[4], card.bytes[5], card.bytes[6], card.bytes[7]);
}

LockAnswer applySetting(SimLock &lock, const SimCard &card, const QDateTime &at, const QDateTime &lockTime)
{
    const auto &b = card.bytes;
    switch (card.kind()) {
    case SystemKind:
        lock.systemCode = card.coId();
        lock.baoJing = b[6];
        lock.tiShi = b[7];
        return set(QString::asprintf("set: system code %.6X, options %.2X %.2X", card.coId(), b[6], b[7]));
    case RecordKind: {
        LockAnswer answer = set(QStringLiteral("records: %1 taken").arg(lock.records.size()));
        answer.collected = CollectedRecords(lock, lockTime);
        return answer;
    }
    case RoomNumberKind:
        lock.lockNo = std::array<int, 3>{b[7], b[6], b[5]};
        return set(QStringLiteral("set: lock number ") + lock.lockNoText());
    case ClockKind: {
        const auto time = UnpackTime(card.issue());
        if (!time)
            return denied(QStringLiteral("the card carries no valid time"));
        lock.clockOffset = toMinute(at).secsTo(*time);
        return set(QStringLiteral("set: clock ") + time->toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    }
    case BlackNameKind: {
        const QString id = idOfBytes(card);
        if (!lock.barred.contains(id))
            lock.barred << id;
        return set(QStringLiteral("set: barred ") + id);
    }
    case GroupNumberKind:
        switch (b[7] & 3) {
        case 0: lock.groups.reset(b[6]); break;
        case 1: lock.groups.set(b[6]); break;
        case 2: lock.groups.reset(); break;
        default: lock.groups.set(); break;
        }
        return set(QStringLiteral("set: groups ") + lock.groupsText());
    default: // check-out
        lock.terminated = lockTime;
        return set(QStringLiteral("set: guest cards issued before %1 checked out")
                       .arg(lockTime.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    }
}

} // namespace

QString LockAnswer::line() const
{
    switch (outcome) {
    case Open: return QStringLiteral("open");
    case Denied: return QStringLiteral("denied: ") + text;
    default: return text;
    }
}

LockAnswer PresentCard(SimLock &lock, const SimCard &card, const QDateTime &at, bool deadbolted)
{
    if (card.isBlank())
        return denied(QStringLiteral("blank card"));
    const int kind = card.kind();
    if (!lock.systemCode && kind != SystemKind)
        return denied(QStringLiteral("the lock has no system card yet"));
    if (lock.systemCode && card.coId() != *lock.systemCode)
        return denied(QStringLiteral("card of another system code"));
    if (lock.barred.contains(card.cardId()))
        return denied(QStringLiteral("barred card"));
    if (kind == 9 || kind >= 14)
        return denied(QStringLiteral("unknown card kind"));

    const QDateTime lockTime = at.addSecs(lock.clockOffset);
    const QDateTime now = toMinute(lockTime);
    const bool opens = kind == GuestKind || isStaffKind(kind);
    if (opens) {
        if (const auto reason = wrongDoor(lock, card))
            return denied(*reason);
        const auto late = kind == GuestKind ? outsideGuestTime(lock, card, now) : outsideStaffTime(card, now);
        if (late)
            return denied(*late);
    }
    const QString key = daiKey(card);
    const int dai = card.bytes[8];
    const auto newest = lock.newestDai.constFind(key);
    if (lock.comparesCounters() && newest != lock.newestDai.cend() && older(dai, *newest))
        return denied(QStringLiteral("covered by a newer card"));
    if (opens && deadbolted && !card.accessBolt())
        return denied(QStringLiteral("deadbolted"));

    // The counter is remembered whatever the options say, so that a later
    // system card that clears "Ignore Overwrite Function" finds it.
    if (newest == lock.newestDai.cend() || older(*newest, dai))
        lock.newestDai.insert(key, dai);
    if (!opens)
        return applySetting(lock, card, at, lockTime);
    lock.records << OpeningRecord(card.cardId(), lockTime);
    while (lock.records.size() > LockMemory())
        lock.records.removeFirst();
    return {LockAnswer::Open, QString(), std::nullopt};
}
