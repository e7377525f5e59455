#include "store/connection.h"

#include "store/dialect.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUrl>

namespace {

constexpr int kBusyTimeoutMs = 3000;

QSqlDatabase freshConnection(const QString &driver, const QString &connectionName)
{
    if (QSqlDatabase::contains(connectionName)) {
        QSqlDatabase::database(connectionName, false).close();
        QSqlDatabase::removeDatabase(connectionName);
    }
    return QSqlDatabase::addDatabase(driver, connectionName);
}

bool fail(QSqlDatabase &db, const QString &reason, QString *error)
{
    if (error)
        *error = reason;
    db.close();
    return false;
}

} // namespace

bool OpenFileDatabase(const QString &path, QString *error, const QString &connectionName)
{
    QSqlDatabase db = freshConnection(QStringLiteral("QSQLITE"), connectionName);
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!QFileInfo(path).isFile())
        return fail(db, QStringLiteral("The database file does not exist."), error);
    // mode=rw: a missing file is an error, never a new empty database.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setScheme(QStringLiteral("file"));
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    if (!db.open())
        return fail(db, db.lastError().text(), error);
    // Reading the table list reads the file: a file that is not a database, or
    // one locked by another program, fails here, and an empty one holds no tables.
    QSqlQuery tables(db);
    if (!tables.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'")) || !tables.next())
        return fail(db, tables.lastError().text(), error);
    if (tables.value(0).toInt() == 0)
        return fail(db, QStringLiteral("The file holds no tables."), error);
    tables.finish();
    QString reason;
    if (!PrepareSqliteConnection(db, &reason))
        return fail(db, reason, error);
    return true;
}

bool OpenServerDatabase(const QString &host, const QString &user, const QString &password,
                        const QString &catalogue, QString *error, const QString &connectionName)
{
    QSqlDatabase db = freshConnection(QStringLiteral("QPSQL"), connectionName);
    // Currency columns come back as exact decimal text.
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    QString address = host;
    const int colon = host.lastIndexOf(u':');
    bool portGiven = false;
    const int port = colon > 0 ? host.mid(colon + 1).toInt(&portGiven) : 0;
    if (portGiven) {
        address = host.left(colon);
        db.setPort(port);
    }
    db.setHostName(address);
    db.setUserName(user);
    db.setPassword(password);
    db.setDatabaseName(catalogue);
    db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    if (!db.open())
        return fail(db, db.lastError().text(), error);
    // Date-times travel without a zone: the session must read them in the
    // desk's own zone, whatever the server's default. A server that does not
    // know the desk's zone would shift every date-time between writing and
    // reading, so the connection is refused.
    QSqlQuery zone(db);
    zone.prepare(QStringLiteral("SELECT set_config('TimeZone', :a, false)"));
    zone.bindValue(QStringLiteral(":a"), QString::fromUtf8(QTimeZone::systemTimeZoneId()));
    if (!zone.exec()) {
        const QString reason = zone.lastError().text();
        zone.finish();
        return fail(db, reason, error);
    }
    zone.finish();
    return true;
}

QSqlDatabase Db()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

Engine EngineOf(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::PostgreSQL : Engine::SQLite;
}

void CloseDatabase(const QString &connectionName)
{
    if (QSqlDatabase::contains(connectionName))
        QSqlDatabase::database(connectionName, false).close();
}
