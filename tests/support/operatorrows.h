#pragma once

#include <QString>

// An operator row for a test's setup, named "<code> Name"; false (with a
// warning) when the database refuses it.
bool AddOperatorRow(const QString &code, const QString &role, const QString &password = QString());
