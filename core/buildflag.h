#pragma once

// Which database the program was built for: the local file (SQLite) or the
// hotel's database server (PostgreSQL). Fixed by each executable's main at start.
enum class BuildKind { File = 0, Server = 1 };

extern BuildKind BuildFlag;
