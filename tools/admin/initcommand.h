#pragma once

struct InitOptions {
    bool sample = false;
    bool force = false;
    bool server = false;
};

// Makes the delivered database: the file Zumerak.MDB of the current folder, or
// the catalogue on the server that System.ini names. Returns the exit code.
int RunInit(const InitOptions &options);
