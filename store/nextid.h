#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// New GuestInfo and CardInfo rows are numbered "largest ID plus 1". Several
// desks may share one database, and another desk can take the number between
// the read and the insert; the unique key on ID refuses the second row, and the
// insert then reads the largest ID again and tries the next number.

// How often an insert tries a fresh number before it gives up.
inline constexpr int kNextIdAttempts = 8;

// The largest ID plus 1 (1 for an empty table) by largestSql, a
// "SELECT MAX(ID) ..." statement; -1 with the database's message on failure.
int ReadNextId(QSqlDatabase db, const QString &largestSql, QString *error);

// Executes the insert, prepared on db, with *id (read by ReadNextId) bound to
// ":ID". When the insert fails because the number was taken meanwhile, reads
// the next number again and retries after a short random wait. *id is then the number of the row
// inserted, or the last number tried; false with the database's message.
bool InsertWithNextId(QSqlDatabase db, const QString &largestSql, QSqlQuery &insert, int *id, QString *error);
