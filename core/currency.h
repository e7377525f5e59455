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
    // A value as either engine returns it: text, integer or floating point; NULL
    // is 0. nullopt for a value that is no number or does not fit in fourteen
    // whole digits: the row it came from cannot be read.
    static std::optional<Currency> fromSql(const QVariant &value);

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
    // The largest whole part an amount may have: fourteen digits, as typed.
    static constexpr qint64 kMaxWhole = 99999999999999;

private:
    constexpr explicit Currency(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

inline std::optional<Currency> Currency::parse(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)([0-9]{1,14})(?:\\.([0-9]{0,4}))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 whole = match.captured(2).toLongLong();
    const qint64 fraction = match.captured(3).leftJustified(4, u'0').toLongLong();
    const qint64 units = whole * kScale + fraction;
    return Currency(match.captured(1) == u'-' ? -units : units);
}

inline std::optional<Currency> Currency::fromSql(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return Currency();
    // Checked before scaling: a value out of range would otherwise wrap, or
    // round to a number llround cannot represent.
    const auto fromDouble = [](double amount) -> std::optional<Currency> {
        if (!std::isfinite(amount) || std::fabs(amount) >= double(kMaxWhole + 1))
            return std::nullopt;
        // SQLite keeps its numeric columns as binary floating point; four
        // decimals within 14 digits come back exactly when rounded.
        return Currency(std::llround(amount * kScale));
    };
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt: {
        const qint64 whole = value.toLongLong();
        if (whole > kMaxWhole || whole < -kMaxWhole)
            return std::nullopt;
        return fromWhole(whole);
    }
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(kMaxWhole))
            return std::nullopt;
        return fromWhole(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble());
    default: {
        const QString text = value.toString();
        if (const std::optional<Currency> exact = parse(text))
            return exact;
        // More decimals than four, or an exponent: as the number it is.
        bool ok = false;
        const double amount = text.toDouble(&ok);
        return ok ? fromDouble(amount) : std::nullopt;
    }
    }
}

inline QString Currency::toFixed() const
{
    // Negated as unsigned, so even the most negative value has a magnitude.
    const quint64 magnitude = m_units < 0 ? 0 - static_cast<quint64>(m_units) : static_cast<quint64>(m_units);
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
