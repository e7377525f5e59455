#include "doorcommands.h"

#include "lockdecision.h"

#include <cstdio>

namespace {

int fail(const char *text)
{
    std::fprintf(stderr, "encoder-sim: %s\n", text);
    return 1;
}

} // namespace

int RunDoor(const SimDevice &device, const QStringList &args)
{
    if (args.isEmpty() || !SimLock::validName(args[0]))
        return fail("door NAME: a name of letters, digits, '-', '_' and '.'");
    SimDevice holding = device;
    QDateTime at = QDateTime::currentDateTime();
    bool deadbolted = false;
    for (int i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == QLatin1String("--deadbolt")) {
            deadbolted = true;
        } else if (args[i] == QLatin1String("--serial") && hasValue) {
            holding.onEncoder = args[++i].toUpper();
            if (!device.keptCards().contains(holding.onEncoder))
                return fail("no such card");
        } else if (args[i] == QLatin1String("--at") && hasValue) {
            // Seconds are optional: the lock decides to the minute, but its
            // opening records carry them.
            const QString text = args[++i];
            at = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!at.isValid())
                at = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
            if (!at.isValid())
                return fail("--at takes \"yyyy-MM-dd HH:mm[:ss]\"");
        } else {
            return fail("door NAME [--serial S] [--at \"yyyy-MM-dd HH:mm[:ss]\"] [--deadbolt]");
        }
    }
    const auto card = holding.card();
    if (!card)
        return fail("no card on the encoder");
    auto lock = SimLock::load(device.folder, args[0]);
    if (!lock)
        return fail("cannot read the lock's state file");
    const LockAnswer answer = PresentCard(*lock, *card, at, deadbolted);
    if (answer.outcome != LockAnswer::Denied && !lock->save(device.folder))
        return fail("cannot write the lock's state file");
    if (answer.collected && !device.setRecords(*answer.collected))
        return fail("cannot write the collector's records");
    std::printf("%s\n", qPrintable(answer.line()));
    return 0;
}

int ListDoors(const SimDevice &device)
{
    for (const QString &name : SimLock::names(device.folder)) {
        const auto lock = SimLock::load(device.folder, name);
        if (!lock) {
            std::printf("%s\tunreadable\n", qPrintable(name));
            continue;
        }
        std::printf("%s\tlock=%s\tsystem=%s\tclock=%+lldmin\tgroups=%s\trecords=%lld\n", qPrintable(name),
                    lock->lockNo ? qPrintable(lock->lockNoText()) : "none",
                    lock->systemCode ? qPrintable(QString::asprintf("%.6X", *lock->systemCode)) : "none",
                    static_cast<long long>(lock->clockOffset / 60), qPrintable(lock->groupsText()),
                    static_cast<long long>(lock->records.size()));
    }
    return 0;
}
