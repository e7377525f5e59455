#include "core/records.h"

#include <QHash>

QDateTime DateTimeFromSql(const QVariant &value)
{
    if (value.isNull())
        return DateTimeZero();
    if (value.typeId() != QMetaType::QString) {
        const QDateTime dateTime = value.toDateTime();
        return dateTime.isValid() ? dateTime : DateTimeZero();
    }
    // SQLite returns date-times as text. A table holds few distinct times (the
    // zero, the usual check-out hours), and reading each one afresh as local
    // time costs far more than the rest of a row, so a thread's recent texts
    // are kept.
    constexpr qsizetype kRemembered = 4096;
    thread_local QHash<QString, QDateTime> remembered;
    const QString text = value.toString();
    const auto known = remembered.constFind(text);
    if (known != remembered.constEnd())
        return *known;
    QDateTime dateTime = value.toDateTime();
    if (!dateTime.isValid())
        dateTime = DateTimeZero();
    if (remembered.size() >= kRemembered)
        remembered.clear();
    remembered.insert(text, dateTime);
    return dateTime;
}
