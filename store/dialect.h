#pragma once

#include <QSqlDatabase>

// What SQLite needs so that the program's statements read the same on both
// engines: the function Mid(text, start, length), write-ahead logging with full
// synchronous commits.
bool PrepareSqliteConnection(QSqlDatabase &db, QString *error);
