#include "tools/admin/initcommand.h"

#include "core/settings.h"
#include "core/sharedtexts.h"
#include "screens/reports/reportexport.h"
#include "store/connection.h"
#include "store/delivery.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

const QString kBuildConnection = QStringLiteral("zumerak-admin-init");

int failure(const QString &message)
{
    std::fprintf(stderr, "zumerak-admin: %s\n", qPrintable(message));
    return 1;
}

int initFile(const InitOptions &options)
{
    const QString target = settings.DBFile;
    if (QFile::exists(target) && !options.force)
        return failure(QStringLiteral("%1 already exists; --force replaces it.").arg(QDir::toNativeSeparators(target)));

    // Built beside the target and moved over it at the end, so an existing
    // database is only replaced by a complete one.
    const QString building = target + QStringLiteral(".new");
    QString error;
    if (!BuildDeliveredFile(building, options.sample, Common.RoomStatus_VC, &error))
        return failure(QStringLiteral("cannot make the database: %1").arg(error));
    if (!ReplaceDatabaseFile(building, target, &error))
        return failure(QStringLiteral("cannot move the new database to %1").arg(QDir::toNativeSeparators(target)));
    std::printf("%s made\n", qPrintable(QDir::toNativeSeparators(target)));
    return 0;
}

int initServer(const InitOptions &options)
{
    LoadServerLogin();
    if (settings.TIP.isEmpty() || settings.TUIP.isEmpty())
        return failure(QStringLiteral("System.ini names no database server ([SYSTEM] TIP and TUIP)."));
    const QString catalogue = QLatin1String(kServerCatalogue);
    QString error;
    if (!EnsureServerCatalogue(settings.TIP, settings.TUIP, settings.TUPW, catalogue, &error))
        return failure(QStringLiteral("cannot reach the server %1: %2").arg(settings.TIP, error));
    if (!OpenServerDatabase(settings.TIP, settings.TUIP, settings.TUPW, catalogue, &error, kBuildConnection))
        return failure(QStringLiteral("cannot open the catalogue %1: %2").arg(catalogue, error));
    int result = 0;
    if (CatalogueHasSchema(kBuildConnection) && !options.force)
        result = failure(QStringLiteral("the catalogue %1 already holds the tables; --force replaces them.").arg(catalogue));
    else if (!FillDeliveredCatalogue(kBuildConnection, options.sample, Common.RoomStatus_VC, &error))
        result = failure(QStringLiteral("cannot make the database: %1").arg(error));
    else
        std::printf("catalogue %s on %s made\n", kServerCatalogue, qPrintable(settings.TIP));
    CloseDatabase(kBuildConnection);
    return result;
}

} // namespace

int RunInit(const InitOptions &options)
{
    LoadSharedTexts();
    const int result = options.server ? initServer(options) : initFile(options);
    if (result != 0)
        return result;
    // The workbooks that the report exports append to.
    QString error;
    if (!CreateMissingReportWorkbooks(&error))
        return failure(QStringLiteral("cannot make the report workbooks: %1").arg(error));
    return 0;
}
