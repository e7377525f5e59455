#include "currency.h"

#include <QRegularExpression>

#include <cmath>

std::optional<Currency> Currency::parse(const QString &text)
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

Currency Currency::fromSql(const QVariant &value)
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

QString Currency::toFixed() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    return QStringLiteral("%1%2.%3")
        .arg(m_units < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / kScale)
        .arg(magnitude % kScale, 4, 10, QLatin1Char('0'));
}

QString Currency::toString() const
{
    QString text = toFixed();
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
