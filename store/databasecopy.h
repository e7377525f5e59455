#pragma once

#include <QString>

// True when the shared connection is open on a database file (the file build);
// a database server keeps its own backups.
bool DatabaseIsAFile();

// A consistent copy of the open database file, made through the database
// itself so that a write in progress never leaves a torn copy. The target must
// not exist yet. Only the file build has a file to copy. False with the
// database's reason.
bool CopyDatabaseTo(const QString &target, QString *error);
