#include "screens/rooms/numberrange.h"

namespace {

constexpr int kMaxPartLength = 8;

} // namespace

NumberRange ParseNumberRange(const QString &text)
{
    const NumberRange refused;
    if (text.isEmpty() || text.startsWith(u'-') || text.endsWith(u'-') || text.count(u'-') > 1)
        return refused;
    for (const QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'-')
            return refused;
    }
    NumberRange range;
    const int dash = text.indexOf(u'-');
    if (dash < 0) {
        range.kind = 1;
        range.first = range.last = text;
    } else {
        range.kind = 2;
        range.first = text.left(dash);
        range.last = text.mid(dash + 1);
    }
    if (range.first.size() > kMaxPartLength || range.last.size() > kMaxPartLength)
        return refused;
    if (range.kind == 2 && range.lastValue() <= range.firstValue())
        return refused;
    return range;
}
