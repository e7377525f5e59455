#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The 16 bytes of a card as the simulated encoder lays them out, with the four
// serial bytes that every card carries besides.
//   0      the constant the console passes to the record (2), clock (0) and
//          staff kinds (127), so that a test can see it; 0 for other kinds
//   1      system code, high byte
//   2-3    system code, low part (the reader keeps only its low 14 bits)
//   4-7    lock area: bit 7 of byte 4 is the access-bolt flag; guest and
//          room-setting cards hold the lock code (byte 5 room index, 6 floor,
//          7 building); staff cards hold the daily start time in byte 5, the
//          group or floor in 6 and the building in 7; the group-setting card
//          group and operation, the reset card the two option bytes in 6-7;
//          the black name card the barred card's ID in all four
//   8      issue counter
//   9      kind (high digit) and card counter (low digit)
//   10-12  packed issue time
//   13-15  packed end time, FFFFFF for none
struct SimCard {
    std::array<std::uint8_t, 16> bytes{};
    std::uint32_t serial = 0;

    static SimCard blank(std::uint32_t serial);
    static std::optional<SimCard> fromText(const QString &text);

    // The card bytes and the serial as 40 hexadecimal digits.
    QString text() const;
    // The card bytes as 32 hexadecimal digits.
    QString data() const;
    QString readBuffer() const;
    QString cardId() const { return data().mid(18, 8); }
    int coId() const { return bytes[1] << 16 | ((bytes[2] << 8 | bytes[3]) & 0x3FFF); }
    bool isBlank() const { return cardId() == QLatin1String("FFFFFFFF"); }
    int kind() const { return bytes[9] >> 4; }
    std::uint32_t issue() const { return packedAt(10); }
    std::uint32_t end() const { return packedAt(13); }
    bool accessBolt() const { return (bytes[4] & 0x80) != 0; }

private:
    std::uint32_t packedAt(int at) const
    {
        return static_cast<std::uint32_t>(bytes[at] << 16 | bytes[at + 1] << 8 | bytes[at + 2]);
    }
};

// The kinds whose writer takes a constant besides the card's own values.
bool TakesConstant(int kind);

// "yyMMddHHmm" as the 24-bit packed time: year - 2014 (4 bits), month (4),
// day (5), hour (5), minute (6). nullopt for a text that is no such time or a
// year outside 2014-2029.
std::optional<std::uint32_t> PackTime(const char *text);
// A packed time as a date-time; nullopt for FFFFFF (no time) or a packed value
// that is no date.
std::optional<QDateTime> UnpackTime(std::uint32_t packed);
// A date-time as a packed time; nullopt outside 2014-2029.
std::optional<std::uint32_t> PackDateTime(const QDateTime &time);
// "HHmm" as the start-time byte: hour * 8 + minute / 10.
std::optional<std::uint8_t> PackStart(const char *text);
// A nine-digit lock number as building, floor and room index; nullopt unless
// each fits a byte.
struct LockAddress {
    std::uint8_t building;
    std::uint8_t floor;
    std::uint8_t room;
};
std::optional<LockAddress> ParseLockNo(const char *text, int digits);

// What the card writer asks for, besides the kind's own lock-area bytes.
struct CardOrder {
    int coId = 0;
    int kind = 0;
    int counter = 0;
    int dai = 0;
    std::uint8_t constant = 0;
    bool accessBolt = false;
    std::array<std::uint8_t, 4> lockArea{};
    std::uint32_t issue = 0;
    std::optional<std::uint32_t> end;
};
void WriteOrder(SimCard &card, const CardOrder &order);
