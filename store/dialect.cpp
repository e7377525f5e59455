#include "store/dialect.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

namespace {

// Mid(text, start, length): characters from the 1-based start, as the reports use it.
void sqliteMid(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (argc != 3 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(argv[0])),
                                           sqlite3_value_bytes(argv[0]));
    const int start = sqlite3_value_int(argv[1]);
    const int length = sqlite3_value_int(argv[2]);
    const QByteArray part = text.mid(qMax(start, 1) - 1, qMax(length, 0)).toUtf8();
    sqlite3_result_text(context, part.constData(), static_cast<int>(part.size()), SQLITE_TRANSIENT);
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

bool run(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace

bool PrepareSqliteConnection(QSqlDatabase &db, QString *error)
{
    sqlite3 *handle = handleOf(db);
    if (!handle || sqlite3_create_function_v2(handle, "Mid", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                              &sqliteMid, nullptr, nullptr, nullptr) != SQLITE_OK) {
        if (error)
            *error = QStringLiteral("The function Mid cannot be registered.");
        return false;
    }
    // A read-only database cannot switch its journal; it still opens for reading
    // and every change then fails with the operation's own message.
    run(db, QStringLiteral("PRAGMA journal_mode=WAL"), nullptr);
    return run(db, QStringLiteral("PRAGMA synchronous=FULL"), error);
}
