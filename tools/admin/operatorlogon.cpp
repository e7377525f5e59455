#include "tools/admin/operatorlogon.h"

#include "core/state.h"
#include "store/operators.h"

#include <cstdio>

bool RefuseCommand(const QString &reason)
{
    std::fprintf(stderr, "zumerak-admin: %s\n", qPrintable(reason));
    return false;
}

bool TakeOperator(const QString &code)
{
    if (!LoadOperator(code))
        return RefuseCommand(code + QStringLiteral(" is not an operator"));
    curOperator.GongHao = code;
    return true;
}
