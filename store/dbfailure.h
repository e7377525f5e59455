#pragma once

#include <QString>
#include <QStringList>

// A database failure as the operator sees it: the fixed first line (which ends
// in a line break), the database's own message, then the values involved, one
// per line.
inline QString DbFailureText(const QString &firstLine, const QString &message, const QStringList &values)
{
    QString text = firstLine + message;
    for (const QString &value : values)
        text += u'\n' + value;
    return text;
}
