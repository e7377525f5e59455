#include "simcard.h"

#include <QDate>

#include <cstring>

namespace {

QString hexBytes(const std::uint8_t *bytes, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::asprintf("%.2X", bytes[i]);
    return text;
}

std::optional<int> digits(const char *text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool hasLength(const char *text, std::size_t length)
{
    return text && strnlen(text, length + 1) == length;
}

void put24(std::uint8_t *at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value >> 16);
    at[1] = static_cast<std::uint8_t>(value >> 8);
    at[2] = static_cast<std::uint8_t>(value);
}

} // namespace

SimCard SimCard::blank(std::uint32_t serial)
{
    SimCard card;
    card.bytes.fill(0xFF);
    card.serial = serial;
    return card;
}

std::optional<SimCard> SimCard::fromText(const QString &text)
{
    const QByteArray raw = QByteArray::fromHex(text.trimmed().toLatin1());
    if (raw.size() != 20)
        return std::nullopt;
    SimCard card;
    std::memcpy(card.bytes.data(), raw.constData(), 16);
    for (int i = 16; i < 20; ++i)
        card.serial = card.serial << 8 | static_cast<std::uint8_t>(raw[i]);
    return card;
}

QString SimCard::data() const
{
    return hexBytes(bytes.data(), 16);
}

QString SimCard::text() const
{
    return data() + QString::asprintf("%.8X", serial);
}

QString SimCard::readBuffer() const
{
    return (QStringLiteral("551501") + text()).leftJustified(72, QLatin1Char('0'));
}

bool TakesConstant(int kind)
{
    return kind == 1 || kind == 3 || kind == 8 || (kind >= 10 && kind <= 13);
}

std::optional<std::uint32_t> PackTime(const char *text)
{
    if (!hasLength(text, 10))
        return std::nullopt;
    const auto year = digits(text, 0, 2), month = digits(text, 2, 2), day = digits(text, 4, 2);
    const auto hour = digits(text, 6, 2), minute = digits(text, 8, 2);
    if (!year || !month || !day || !hour || !minute || *year < 14 || *year > 29 || *hour > 23 || *minute > 59
        || !QDate(2000 + *year, *month, *day).isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>((*year - 14) << 20 | *month << 16 | *day << 11 | *hour << 6 | *minute);
}

std::optional<QDateTime> UnpackTime(std::uint32_t packed)
{
    if (packed == 0xFFFFFF)
        return std::nullopt;
    const QDate date(2014 + static_cast<int>(packed >> 20), packed >> 16 & 15, packed >> 11 & 31);
    const int hour = packed >> 6 & 31, minute = packed & 63;
    if (!date.isValid() || hour > 23 || minute > 59)
        return std::nullopt;
    return QDateTime(date, QTime(hour, minute));
}

std::optional<std::uint32_t> PackDateTime(const QDateTime &time)
{
    if (time.date().year() < 2014 || time.date().year() > 2029)
        return std::nullopt;
    return PackTime(time.toString(QStringLiteral("yyMMddHHmm")).toLatin1().constData());
}

std::optional<std::uint8_t> PackStart(const char *text)
{
    if (!hasLength(text, 4))
        return std::nullopt;
    const auto hour = digits(text, 0, 2), minute = digits(text, 2, 2);
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return static_cast<std::uint8_t>(*hour * 8 + *minute / 10);
}

std::optional<LockAddress> ParseLockNo(const char *text, int count)
{
    if (!hasLength(text, static_cast<std::size_t>(count)) || count % 3 != 0)
        return std::nullopt;
    std::uint8_t parts[3] = {};
    for (int i = 0; i < count / 3; ++i) {
        const auto part = digits(text, i * 3, 3);
        if (!part || *part > 255)
            return std::nullopt;
        parts[i] = static_cast<std::uint8_t>(*part);
    }
    return LockAddress{parts[0], parts[1], parts[2]};
}

void WriteOrder(SimCard &card, const CardOrder &order)
{
    auto &b = card.bytes;
    b[0] = order.constant;
    b[1] = static_cast<std::uint8_t>(order.coId >> 16);
    b[2] = static_cast<std::uint8_t>(order.coId >> 8);
    b[3] = static_cast<std::uint8_t>(order.coId);
    std::memcpy(&b[4], order.lockArea.data(), 4);
    if (order.accessBolt)
        b[4] |= 0x80;
    b[8] = static_cast<std::uint8_t>(order.dai);
    b[9] = static_cast<std::uint8_t>((order.kind & 15) << 4 | (order.counter & 15));
    put24(&b[10], order.issue);
    put24(&b[13], order.end.value_or(0xFFFFFF));
}
