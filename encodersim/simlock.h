#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <optional>

// What a simulated door lock remembers, kept in NAME.lock in the simulator's
// state folder, NAME being the door it is mounted on. A fresh lock has no
// system code and opens nothing until a system card binds it.
struct SimLock {
    QString name;
    std::optional<int> systemCode; // A * 65536 + (B AND 0x3FFF) of the binding system card
    int baoJing = 0;
    int tiShi = 0;
    // The lock number from the room-number card: building, floor, room index.
    std::optional<std::array<int, 3>> lockNo;
    // Seconds the lock's clock runs ahead of the time a card is presented at.
    qint64 clockOffset = 0;
    std::bitset<256> groups;
    // The newest issue counter used here: "room.LOCKNO" for guest cards,
    // "kind.K" for the other kinds.
    QMap<QString, int> newestDai;
    QStringList barred;       // card IDs barred by black-name cards
    QDateTime terminated;     // the lock's time a check-out card was presented, if ever
    QStringList records;      // opening records, 16 hexadecimal characters each, oldest first

    // A valid door name: letters, digits, '-', '_' and '.', not starting with '.'.
    static bool validName(const QString &name);
    static QString fileOf(const QString &folder, const QString &name);
    // The lock of that door, fresh when it has no file yet; nullopt when the
    // file cannot be read as a lock.
    static std::optional<SimLock> load(const QString &folder, const QString &name);
    static QStringList names(const QString &folder);
    // Replaces the file by a complete new one.
    bool save(const QString &folder) const;

    QString lockNoText() const;
    QString groupsText() const;
    // "Ignore Overwrite Function" clear: older cards of a room or kind are refused.
    bool comparesCounters() const { return systemCode && (tiShi & 4) == 0; }
};
