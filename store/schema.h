#pragma once

#include <QSqlDatabase>
#include <QString>

// The delivered database: the seven tables, the issue counters of every staff
// and lock card kind, and the four role rows. The program itself never creates
// tables; the admin tool and the tests do.

// Creates everything on an empty database. False with the database's message;
// the caller runs it in a transaction so that nothing is left half made.
bool CreateSchema(QSqlDatabase &db, QString *error);
// Drops the tables (and, on the server, the helpers made with them).
bool DropSchema(QSqlDatabase &db, QString *error);
// True when any of the seven tables exists.
bool HasSchema(const QSqlDatabase &db);

// A small property for the demonstration: two buildings with a few floors of rooms.
bool InsertSampleProperty(QSqlDatabase &db, const QString &vacantStatus, QString *error);

// The rights string of each delivered role row, by role letter.
QString DefaultRights(QChar role);
