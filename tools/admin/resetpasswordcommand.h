#pragma once

#include <QString>

// Empties the password of the operator code, so that the operator sets a new
// one at the next logon: the way back from a forgotten password. Works on the
// database of the current folder, or on the server's catalogue with server.
// Returns the exit code.
int RunResetPassword(const QString &code, bool server);
