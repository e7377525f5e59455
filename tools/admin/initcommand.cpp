#include "tools/admin/initcommand.h"

#include "core/settings.h"
#include "core/sharedtexts.h"
#include "store/connection.h"
#include "store/dialect.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace {

const QString kBuildConnection = QStringLiteral("zumerak-admin-init");

int failure(const QString &message)
{
    std::fprintf(stderr, "zumerak-admin: %s\n", qPrintable(message));
    return 1;
}

// Old tables out, new tables, counters, role rows and the sample in one
// transaction: a failure leaves the database as it was.
bool fill(QSqlDatabase &db, const InitOptions &options, QString *error)
{
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    if (!DropSchema(db, error) || !CreateSchema(db, error)
        || (options.sample && !InsertSampleProperty(db, Common.RoomStatus_VC, error))) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

int initFile(const InitOptions &options)
{
    const QString target = settings.DBFile;
    if (QFile::exists(target) && !options.force)
        return failure(QStringLiteral("%1 already exists; --force replaces it.").arg(QDir::toNativeSeparators(target)));

    // Built beside the target and moved over it at the end, so an existing
    // database is only replaced by a complete one.
    const QString building = target + QStringLiteral(".new");
    for (const QString &leftover : {building, building + QStringLiteral("-wal"), building + QStringLiteral("-shm")})
        QFile::remove(leftover);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kBuildConnection);
        db.setDatabaseName(building);
        bool ok = db.open() && PrepareSqliteConnection(db, &error) && fill(db, options, &error);
        if (!ok && error.isEmpty())
            error = db.lastError().text();
        db.close();
        if (!ok) {
            QFile::remove(building);
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kBuildConnection);
            return failure(QStringLiteral("cannot make the database: %1").arg(error));
        }
    }
    QSqlDatabase::removeDatabase(kBuildConnection);
    for (const QString &old : {target, target + QStringLiteral("-wal"), target + QStringLiteral("-shm")})
        QFile::remove(old);
    if (!QFile::rename(building, target))
        return failure(QStringLiteral("cannot move the new database to %1").arg(QDir::toNativeSeparators(target)));
    std::printf("%s made\n", qPrintable(QDir::toNativeSeparators(target)));
    return 0;
}

bool ensureCatalogue(QString *error)
{
    if (!OpenServerDatabase(settings.TIP, settings.TUIP, settings.TUPW, QStringLiteral("postgres"), error,
                            kBuildConnection))
        return false;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::database(kBuildConnection, false);
        QSqlQuery exists(db);
        exists.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = :a"));
        exists.bindValue(QStringLiteral(":a"), QLatin1String(kServerCatalogue));
        if (!exists.exec()) {
            *error = exists.lastError().text();
            ok = false;
        } else if (!exists.next()) {
            QSqlQuery create(db);
            ok = create.exec(QStringLiteral("CREATE DATABASE \"%1\"").arg(QLatin1String(kServerCatalogue)));
            if (!ok)
                *error = create.lastError().text();
        }
    }
    CloseDatabase(kBuildConnection);
    return ok;
}

int initServer(const InitOptions &options)
{
    LoadServerLogin();
    if (settings.TIP.isEmpty() || settings.TUIP.isEmpty())
        return failure(QStringLiteral("System.ini names no database server ([SYSTEM] TIP and TUIP)."));
    QString error;
    if (!ensureCatalogue(&error))
        return failure(QStringLiteral("cannot reach the server %1: %2").arg(settings.TIP, error));
    if (!OpenServerDatabase(settings.TIP, settings.TUIP, settings.TUPW, QLatin1String(kServerCatalogue), &error,
                            kBuildConnection))
        return failure(QStringLiteral("cannot open the catalogue %1: %2").arg(QLatin1String(kServerCatalogue), error));
    int result = 0;
    {
        QSqlDatabase db = QSqlDatabase::database(kBuildConnection, false);
        if (HasSchema(db) && !options.force)
            result = failure(QStringLiteral("the catalogue %1 already holds the tables; --force replaces them.")
                                 .arg(QLatin1String(kServerCatalogue)));
        else if (!fill(db, options, &error))
            result = failure(QStringLiteral("cannot make the database: %1").arg(error));
        else
            std::printf("catalogue %s on %s made\n", kServerCatalogue, qPrintable(settings.TIP));
    }
    CloseDatabase(kBuildConnection);
    return result;
}

} // namespace

int RunInit(const InitOptions &options)
{
    LoadSharedTexts();
    return options.server ? initServer(options) : initFile(options);
}
