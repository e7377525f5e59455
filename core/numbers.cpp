#include "core/numbers.h"

#include <QRegularExpression>

std::optional<int> ParseWholeNumber(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d+$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}
