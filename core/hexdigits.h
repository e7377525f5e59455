#pragma once

#include <QString>

#include <optional>

// The value of a run of hexadecimal digits (either case), as cards and lock
// records carry them; nullopt for an empty text or any other character.
inline std::optional<int> HexValue(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 7)
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        const int digit = QStringView(u"0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}
