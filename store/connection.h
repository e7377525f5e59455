#pragma once

#include <QSqlDatabase>
#include <QString>

// The one database connection of the run, on either engine.

enum class Engine { SQLite, PostgreSQL };

// The catalogue of the server build.
inline constexpr const char *kServerCatalogue = "Zumerak";

// Opens the database file as the shared connection. The file must exist and be
// a database: the program never creates one. False with the reason in error.
bool OpenFileDatabase(const QString &path, QString *error,
                      const QString &connectionName = QLatin1String(QSqlDatabase::defaultConnection));

// Opens a catalogue on the database server. host is an address or a socket
// folder, with ":port" after it when the port is not the usual one.
bool OpenServerDatabase(const QString &host, const QString &user, const QString &password,
                        const QString &catalogue, QString *error,
                        const QString &connectionName = QLatin1String(QSqlDatabase::defaultConnection));

// The shared connection (closed when none could be opened).
QSqlDatabase Db();
Engine EngineOf(const QSqlDatabase &db);

void CloseDatabase(const QString &connectionName = QLatin1String(QSqlDatabase::defaultConnection));
