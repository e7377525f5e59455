#include "testdatabase.h"

#include "store/dialect.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString kAdminConnection = QStringLiteral("test-server-admin");

bool runOnServer(const TestServer &server, const QStringList &statements, QString *error)
{
    if (!OpenServerDatabase(server.host, server.user, QString(), QStringLiteral("postgres"), error, kAdminConnection))
        return false;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::database(kAdminConnection, false);
        for (const QString &sql : statements) {
            QSqlQuery query(db);
            if (!query.exec(sql)) {
                *error = query.lastError().text();
                ok = false;
                break;
            }
        }
    }
    CloseDatabase(kAdminConnection);
    return ok;
}

bool fill(QSqlDatabase db, QString *error)
{
    if (!db.transaction() || !CreateSchema(db, error)) {
        db.rollback();
        return false;
    }
    return db.commit();
}

} // namespace

bool TestServerAvailable(TestServer *server)
{
    const QString host = qEnvironmentVariable("ZUMERAK_TEST_PGHOST");
    if (host.isEmpty())
        return false;
    if (server)
        *server = {host, qEnvironmentVariable("ZUMERAK_TEST_PGUSER", QStringLiteral("postgres"))};
    return true;
}

void AddEngineColumn()
{
    QTest::addColumn<Engine>("engine");
}

void AddEngineRows(const char *prefix)
{
    QTest::newRow(qPrintable(QString::fromLatin1(prefix) + QStringLiteral("sqlite"))) << Engine::SQLite;
    QTest::newRow(qPrintable(QString::fromLatin1(prefix) + QStringLiteral("postgresql"))) << Engine::PostgreSQL;
}

bool SkipWithoutServer(Engine engine)
{
    if (engine != Engine::PostgreSQL || TestServerAvailable())
        return false;
    if (qEnvironmentVariableIsSet("ZUMERAK_REQUIRE_PG"))
        QTest::qFail("ZUMERAK_REQUIRE_PG is set but ZUMERAK_TEST_PGHOST names no server", __FILE__, __LINE__);
    else
        QTest::qSkip("no database server given (ZUMERAK_TEST_PGHOST)", __FILE__, __LINE__);
    return true;
}

QString TestCatalogue()
{
    // Several work trees may share one development server: each can set its own prefix.
    const QString prefix = qEnvironmentVariable("ZUMERAK_TEST_PGPREFIX", QStringLiteral("zt"));
    return prefix + u'_' + QCoreApplication::applicationName().toLower().replace(u'-', u'_');
}

bool MakeDeliveredDatabase(Engine engine, QString *error)
{
    CloseDatabase();
    if (engine == Engine::SQLite) {
        const QString path = QDir::current().filePath(QStringLiteral("Zumerak.MDB"));
        for (const QString &old : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")})
            QFile::remove(old);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-create"));
            db.setDatabaseName(path);
            const bool ok = db.open() && PrepareSqliteConnection(db, error) && fill(db, error);
            db.close();
            if (!ok)
                return false;
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test-create"));
        return OpenFileDatabase(path, error);
    }
    TestServer server;
    if (!TestServerAvailable(&server)) {
        *error = QStringLiteral("no test server");
        return false;
    }
    const QString catalogue = TestCatalogue();
    if (!runOnServer(server,
                     {QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(catalogue),
                      QStringLiteral("CREATE DATABASE \"%1\"").arg(catalogue)},
                     error))
        return false;
    if (!OpenServerDatabase(server.host, server.user, QString(), catalogue, error))
        return false;
    QSqlDatabase db = Db();
    return fill(db, error);
}

bool OpenAnotherConnection(Engine engine, const QString &name, QString *error)
{
    if (engine == Engine::SQLite)
        return OpenFileDatabase(QDir::current().filePath(QStringLiteral("Zumerak.MDB")), error, name);
    TestServer server;
    if (!TestServerAvailable(&server)) {
        *error = QStringLiteral("no test server");
        return false;
    }
    return OpenServerDatabase(server.host, server.user, QString(), TestCatalogue(), error, name);
}

bool SqlExec(const QString &sql)
{
    QSqlQuery query(Db());
    if (query.exec(sql))
        return true;
    qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return false;
}

QVariant SqlScalar(const QString &sql)
{
    QSqlQuery query(Db());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}
