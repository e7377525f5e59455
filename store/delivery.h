#pragma once

#include <QString>

// The making of the delivered database: the seven tables, the issue counters,
// the role rows and, when asked for, the sample property, for either engine.
// Each operation gives the database's or the file system's message in error.

// Builds a complete delivered database in the file path (what an earlier
// attempt left there is removed first). The file ends checkpointed, with no
// write-ahead log beside it, so that the file alone is the database.
bool BuildDeliveredFile(const QString &path, bool withSample, const QString &vacantStatus, QString *error);
// Puts the database file built at source in the place of target in one step:
// target's write-ahead log and shared memory go first (they belong to the old
// file), then source is renamed over target, which is never missing meanwhile.
bool ReplaceDatabaseFile(const QString &source, const QString &target, QString *error);

// Creates the catalogue on the server unless it is there.
bool EnsureServerCatalogue(const QString &host, const QString &user, const QString &password,
                           const QString &catalogue, QString *error);
// On the connection connectionName (opened on the catalogue): whether any of
// the tables exists, and the replacing of all of them by the delivered
// content in one transaction, so that a failure leaves the catalogue as it was.
bool CatalogueHasSchema(const QString &connectionName);
bool FillDeliveredCatalogue(const QString &connectionName, bool withSample, const QString &vacantStatus,
                            QString *error);
