#pragma once

#include <QString>
#include <QStringList>

// What the logon screen does, without its widgets: the operator list, the
// password check at entry and the password change, all speaking to the
// operator through the operator port.

struct TLogonTexts {
    QString errMiMa;
    QString msgSelectGongHao;
    QString msgModiMiMa;
    QString errModiMiMa;
    QString okModiMiMa;
    QString InputOldMiMa;
    QString InputNewMiMa;
    QString InputNewMiMa2;
    QString msgHelp;
};
TLogonTexts ReadLogonTexts();

// The longest password an operator may type.
inline constexpr int kMaxPasswordLength = 20;

// The codes for the code box. A database without any super-level operator
// gets the operator "Super" with an empty password first (E0016 when that
// fails), so that someone can always log on and put things right.
QStringList OperatorCodesForLogon();

// Loads the operator of code and checks the typed password. True lets the
// operator in; a code that names no operator, and a wrong password, give
// E0002. An operator without a password must set one first (asked twice, an
// empty one refused with N9022); Cancel keeps the operator out. A password
// still stored as plain text is replaced by its hash once it has matched
// (E0073 when that fails; the operator is let in all the same).
bool CheckLogon(const QString &code, const QString &typed, const TLogonTexts &texts);

// Asks for the current password and the new one twice and stores the new one;
// an empty new password is refused (N9022).
void ModifyPassword(const QString &code, const TLogonTexts &texts);

// F1 in the password box: what to do about a forgotten password.
void ShowPasswordHelp(const TLogonTexts &texts);
