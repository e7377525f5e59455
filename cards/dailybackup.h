#pragma once

#include <QString>

#include <optional>

// The copy of the database made at the first card issue of each day, as
// DBBakPath + "Zumerak" + yyMMdd + ".MDB". LastBackup.txt in the working
// folder keeps, across restarts, the date of the last complete copy and the
// time of the last try that failed since.
// The copy is made under a temporary name and replaces the day's copy only
// when complete. A failed copy is shown as a warning (N9090) and the issue goes
// on; a failed try, copy or folder, is repeated at a later issue, at most once
// an hour, until the day has its copy.
// nullopt when the issue may go on; the failure text when the backup folder
// cannot be created. Without a database file (the server build) there is
// nothing to copy and no backup is made.
std::optional<QString> MakeDailyBackup();
