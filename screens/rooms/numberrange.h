#pragma once

#include <QString>

// A floor or room entry of the batch room entry: "12" or "1-16".
struct NumberRange {
    int kind = 0;      // 0 refused, 1 a single number, 2 a range
    QString first;     // text before "-" (the whole text for a single number)
    QString last;      // text after "-" (the whole text for a single number)
    int firstValue() const { return first.toInt(); }
    int lastValue() const { return last.toInt(); }
};

// Refused: a "-" first or last, a character other than digits and "-", more
// than one "-", a part longer than 8 characters, or a range whose last value is
// not greater than its first.
NumberRange ParseNumberRange(const QString &text);
