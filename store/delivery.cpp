#include "store/delivery.h"

#include "store/connection.h"
#include "store/dialect.h"
#include "store/schema.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>
#include <system_error>

namespace {

const QString kBuildConnection = QStringLiteral("delivered-database");

// Old tables out, new tables, counters, role rows and the sample in one
// transaction: a failure leaves the database as it was.
bool fill(QSqlDatabase &db, bool withSample, const QString &vacantStatus, QString *error)
{
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    if (!DropSchema(db, error) || !CreateSchema(db, error)
        || (withSample && !InsertSampleProperty(db, vacantStatus, error))) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

bool run(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

QStringList filesOf(const QString &path)
{
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

} // namespace

bool BuildDeliveredFile(const QString &path, bool withSample, const QString &vacantStatus, QString *error)
{
    for (const QString &leftover : filesOf(path))
        QFile::remove(leftover);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kBuildConnection);
        db.setDatabaseName(path);
        // Leaving write-ahead logging moves everything into the file and
        // removes the log; the program turns it on again when it opens the file.
        ok = db.open() && PrepareSqliteConnection(db, error) && fill(db, withSample, vacantStatus, error)
            && run(db, QStringLiteral("PRAGMA journal_mode=DELETE"), error);
        if (!ok && error->isEmpty())
            *error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(kBuildConnection);
    if (ok && QFile::exists(path + QStringLiteral("-wal"))) {
        *error = QStringLiteral("The write-ahead log of %1 was not taken into the file.").arg(path);
        ok = false;
    }
    if (!ok) {
        for (const QString &leftover : filesOf(path))
            QFile::remove(leftover);
    }
    return ok;
}

bool ReplaceDatabaseFile(const QString &source, const QString &target, QString *error)
{
    for (const QString &old : filesOf(target).mid(1)) {
        if (QFile::exists(old) && !QFile::remove(old)) {
            *error = QStringLiteral("cannot remove %1").arg(old);
            return false;
        }
    }
    // One rename that replaces the old file: QFile::rename refuses an existing target.
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(source.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), code);
    if (code) {
        *error = QString::fromStdString(code.message());
        return false;
    }
    return true;
}

bool EnsureServerCatalogue(const QString &host, const QString &user, const QString &password,
                           const QString &catalogue, QString *error)
{
    if (!OpenServerDatabase(host, user, password, QStringLiteral("postgres"), error, kBuildConnection))
        return false;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::database(kBuildConnection, false);
        QSqlQuery exists(db);
        exists.prepare(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = :a"));
        exists.bindValue(QStringLiteral(":a"), catalogue);
        if (!exists.exec()) {
            *error = exists.lastError().text();
            ok = false;
        } else if (!exists.next()) {
            ok = run(db, QStringLiteral("CREATE DATABASE \"%1\"").arg(catalogue), error);
        }
    }
    CloseDatabase(kBuildConnection);
    return ok;
}

bool CatalogueHasSchema(const QString &connectionName)
{
    return HasSchema(QSqlDatabase::database(connectionName, false));
}

bool FillDeliveredCatalogue(const QString &connectionName, bool withSample, const QString &vacantStatus,
                            QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    return fill(db, withSample, vacantStatus, error);
}
