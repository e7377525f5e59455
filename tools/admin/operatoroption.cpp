#include "tools/admin/operatoroption.h"

#include "core/rights.h"
#include "core/state.h"
#include "store/operators.h"

#include <cstdio>

bool Refuse(const QString &reason)
{
    std::fprintf(stderr, "zumerak-admin: %s\n", qPrintable(reason));
    return false;
}

bool TakeOperator(const QString &code, int right, const QString &what)
{
    if (!LoadOperator(code))
        return Refuse(code + QStringLiteral(" is not an operator"));
    curOperator.GongHao = code;
    if (!HasRight(right))
        return Refuse(QStringLiteral("the role of %1 has no right to %2").arg(code, what));
    return true;
}
