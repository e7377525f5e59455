#include "tools/admin/resetpasswordcommand.h"

#include "core/settings.h"
#include "store/database.h"
#include "store/operators.h"

#include <cstdio>

int RunResetPassword(const QString &code, bool server)
{
    BuildFlag = server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    TData1 data;
    if (!Db().isOpen())
        return 1;
    if (IsRoleRowCode(code)) {
        std::fprintf(stderr, "zumerak-admin: %s is a role, not an operator\n", qPrintable(code));
        return 1;
    }
    QString error;
    if (!StorePassword(code, QString(), &error)) {
        std::fprintf(stderr, "zumerak-admin: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("The password of %s is empty: it is set at the next logon.\n", qPrintable(code));
    return 0;
}
