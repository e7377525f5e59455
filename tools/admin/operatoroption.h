#pragma once

#include <QString>

// The --operator CODE of the commands that act for an operator.

// Prints "zumerak-admin: reason" on stderr; false, for the command to return.
bool Refuse(const QString &reason);

// curOperator and strQX for code, as a logon would set them. False (after
// saying why) when code is no operator row, or when the rights of its role
// lack the button of position right; what names that right ("check guests in").
bool TakeOperator(const QString &code, int right, const QString &what);
