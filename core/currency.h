#pragma once

#include <QRegularExpression>
#include <QString>
#include <QVariant>

#include <cmath>
#include <compare>
#include <optional>

// Money as the database keeps it: fixed point with four decimals, held as a
// whole number of ten-thousandths so that sums and comparisons are exact.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromUnits(qint64 tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency fromWhole(qint64 amount) { return Currency(amount * kScale); }

    // "12", "12.5", "-0.0001": digits with at most four decimals; anything else is nullopt.
    static std::optional<Currency> parse(const QString &text);
    // A value as either engine returns it: text, integer or floating point; NULL is 0.
    static Currency fromSql(const QVariant &value);

    constexpr qint64 units() const { return m_units; }
    // The value to bind to a Currency column: text with four decimals, exact on both engines.
    QVariant toSql() const { return toFixed(); }
    // Four decimals always ("12.5000").
    QString toFixed() const;
    // As few decimals as the value needs ("12.5", "12").
    QString toString() const;

    constexpr Currency operator+(Currency other) const { return Currency(m_units + other.m_units); }
    constexpr Currency operator-(Currency other) const { return Currency(m_units - other.m_units); }
    constexpr Currency operator*(qint64 factor) const { return Currency(m_units * factor); }
    constexpr Currency &operator+=(Currency other) { m_units += other.m_units; return *this; }
    constexpr auto operator<=>(const Currency &) const = default;

    static constexpr qint64 kScale = 10000;

private:
    constexpr explicit Currency(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

inline std::optional<Currency> Currency::parse(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)(\\d{1,14})(?:\\.(\\d{0,4}))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 whole = match.captured(2).toLongLong();
    const qint64 fraction = match.captured(3).leftJustified(4, u'0').toLongLong();
    const qint64 units = whole * kScale + fraction;
    return Currency(match.captured(1) == u'-' ? -units : units);
}

inline Currency Currency::fromSql(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return Currency();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return fromWhole(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        // SQLite keeps its numeric columns as binary floating point; four
        // decimals within 14 digits come back exactly when rounded.
        return Currency(std::llround(value.toDouble() * kScale));
    default:
        return parse(value.toString()).value_or(Currency(std::llround(value.toString().toDouble() * kScale)));
    }
}

inline QString Currency::toFixed() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    return QStringLiteral("%1%2.%3")
        .arg(m_units < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / kScale)
        .arg(magnitude % kScale, 4, 10, QLatin1Char('0'));
}

inline QString Currency::toString() const
{
    QString text = toFixed();
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
