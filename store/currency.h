#pragma once

#include <QString>
#include <QVariant>

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
