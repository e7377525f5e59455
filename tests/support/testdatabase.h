#pragma once

#include "store/connection.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

// The database server of the test run, when ./test.sh started one: its address
// in the form System.ini uses ([SYSTEM] TIP) and its user.
struct TestServer {
    QString host;
    QString user;
};
bool TestServerAvailable(TestServer *server = nullptr);

Q_DECLARE_METATYPE(Engine)

// Adds the column "engine" and one row per engine to a test's _data() table.
void AddEngineColumn();
void AddEngineRows(const char *prefix = "");
// In a test row for the server with no server given: skips the row (or fails
// when the run requires the server).
bool SkipWithoutServer(Engine engine);

// A fresh delivered database as the shared connection: Zumerak.MDB in the
// current folder, or a catalogue of this test program's own on the test server.
// False with the reason when it cannot be made.
bool MakeDeliveredDatabase(Engine engine, QString *error);
// The catalogue MakeDeliveredDatabase uses on the server.
QString TestCatalogue();

// A second connection, named name, to the database MakeDeliveredDatabase made:
// another desk working on the same data.
bool OpenAnotherConnection(Engine engine, const QString &name, QString *error);

// A statement on the shared connection, for a test's own setup; false (with a
// warning naming the statement) when it fails.
bool SqlExec(const QString &sql);
// The first value of the first row, invalid when there is none.
QVariant SqlScalar(const QString &sql);
