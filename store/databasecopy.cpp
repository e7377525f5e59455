#include "store/databasecopy.h"

#include "store/connection.h"

#include <QSqlError>
#include <QSqlQuery>

bool DatabaseIsAFile()
{
    const QSqlDatabase db = Db();
    return db.isOpen() && EngineOf(db) == Engine::SQLite;
}

bool CopyDatabaseTo(const QString &target, QString *error)
{
    if (!DatabaseIsAFile()) {
        if (error)
            *error = QStringLiteral("No database file is open.");
        return false;
    }
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("VACUUM INTO :a"));
    query.bindValue(QStringLiteral(":a"), target);
    if (query.exec())
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}
