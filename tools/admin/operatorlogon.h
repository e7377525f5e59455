#pragma once

#include <QString>

// A command that writes cards works as an operator: curOperator and strQX
// are set for the code as a logon sets them, so that the rights of its role
// apply and the code is recorded as the writer. False, with the reason on
// stderr, for a role row or a code that is no operator.
bool TakeOperator(const QString &code);

// Prints why the command does not go on ("zumerak-admin: <reason>") and gives false.
bool RefuseCommand(const QString &reason);
