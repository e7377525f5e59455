#include "store/databasecopy.h"

#include "store/connection.h"

#include <QSqlError>
#include <QSqlQuery>

bool CopyDatabaseTo(const QString &target, QString *error)
{
    QSqlDatabase db = Db();
    if (!db.isOpen() || EngineOf(db) != Engine::SQLite) {
        if (error)
            *error = QStringLiteral("No database file is open.");
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("VACUUM INTO :a"));
    query.bindValue(QStringLiteral(":a"), target);
    if (query.exec())
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}
