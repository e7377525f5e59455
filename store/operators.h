#pragma once

#include "core/records.h"

#include <QList>
#include <QString>
#include <QStringList>

// The operators of table OperatorInfo, their roles and rights. A role row,
// code "proQuanXian_" + role letter, holds in its memo the rights string of
// that role; it is no operator and never logs on.

QString RoleRowCode(const QString &role);
// Codes compare without regard to case in the database, so the prefix does too.
bool IsRoleRowCode(const QString &code);
// "SUPER" in any letter case has every right whatever the role rows say.
bool IsSuperCode(const QString &code);

inline constexpr int kSuperRightsLength = 80;
inline constexpr int kNoRoleRightsLength = 79;

// Clears list and fills it with the operator codes in code order, leaving out
// the role rows and the automatic operator "Super". True when a super-level
// operator exists: one of role "S", or one whose code is "SUPER" in any case. A read failure is shown (E0027) and counts as one found, so
// that nothing is added to a table that could not be read.
bool LoadOperatorCodes(QStringList &list);

// Fills curOperator (all but GongHao) and strQX for code. True only for an
// operator row; for a role row, an unknown code or a read failure (E0027)
// curOperator holds no password and strQX no right.
bool LoadOperator(const QString &code);

// Adds the operator "Super" (empty password, role "S"), the way in to a
// database that has no super-level operator left.
bool InsertSuperOperator(QString *error);

// Every row in code order; the role rows only when withRoleRows. False after
// E0027 when the table cannot be read.
bool ReadOperators(bool withRoleRows, QList<TOperatorInfo> *rows);
bool InsertOperator(const TOperatorInfo &op, QString *error);
bool DeleteOperator(const QString &code, QString *error);
// Code, name, memo and role of the row of oldCode; the password stays.
bool UpdateOperator(const QString &oldCode, const TOperatorInfo &op, QString *error);
// Writes the stored form of a password; false also when no row has that code.
bool StorePassword(const QString &code, const QString &stored, QString *error);
