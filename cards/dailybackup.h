#pragma once

#include <QString>

#include <optional>

// The copy of the database made at the first card issue of each day, as
// DBBakPath + "Zumerak" + yyMMdd + ".MDB". The date of the last backup is kept
// in LastBackup.txt in the working folder, so that it survives restarts.
// nullopt when the issue may go on (a failing copy is ignored); the failure
// text when the backup folder cannot be created. The server build has no file
// to copy and skips the backup.
std::optional<QString> MakeDailyBackup();
