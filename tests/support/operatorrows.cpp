#include "operatorrows.h"

#include "store/operators.h"

#include <QtGlobal>

bool AddOperatorRow(const QString &code, const QString &role, const QString &password)
{
    QString error;
    const bool ok = InsertOperator({code, code + QStringLiteral(" Name"), password, role, QString()}, &error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}
