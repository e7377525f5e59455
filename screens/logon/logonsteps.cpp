#include "screens/logon/logonsteps.h"

#include "core/operatorport.h"
#include "core/state.h"
#include "core/texts.h"
#include "store/dbfailure.h"
#include "store/operators.h"
#include "store/passwords.h"

#include <optional>

namespace {

std::optional<QString> askPassword(const TLogonTexts &texts, const QString &prompt)
{
    return Operator().inputBox(texts.msgModiMiMa, prompt + u'\n', QString(), true);
}

void upgradeToHash(const QString &code, const QString &typed)
{
    QString error = QStringLiteral("The password cannot be hashed.");
    const std::optional<QString> hash = HashPassword(typed);
    if (hash && StorePassword(code, *hash, &error)) {
        curOperator.MiMa = *hash;
        return;
    }
    ShowError(QStringLiteral("E0073"), DbFailureText(QStringLiteral("Update OperatorInfo Failure\n"), error, {code}));
}

// The new password, asked twice and trimmed; nullopt after a Cancel or N9022.
// An empty one is refused: it would let anyone in under this code.
std::optional<QString> askNewPassword(const TLogonTexts &texts)
{
    std::optional<QString> first = askPassword(texts, texts.InputNewMiMa);
    if (!first)
        return std::nullopt;
    std::optional<QString> second = askPassword(texts, texts.InputNewMiMa2);
    if (!second)
        return std::nullopt;
    *first = first->trimmed();
    *second = second->trimmed();
    if (*first != *second || first->isEmpty() || first->size() > kMaxPasswordLength) {
        ShowWarning(QStringLiteral("N9022"), texts.errModiMiMa + u'\n' + *first + u'\n' + *second);
        return std::nullopt;
    }
    return first;
}

bool storeNewPassword(const QString &code, const QString &typed, const TLogonTexts &texts)
{
    QString error = QStringLiteral("The password cannot be hashed.");
    const std::optional<QString> stored = HashPassword(typed);
    if (!stored || !StorePassword(code, *stored, &error)) {
        ShowError(QStringLiteral("E0013"), texts.errModiMiMa + QStringLiteral("\nUpdate DataBase\n") + error);
        return false;
    }
    curOperator.MiMa = *stored;
    ShowInfo(QStringLiteral("SUCCESS"), texts.okModiMiMa);
    return true;
}

// A new operator, or one whose password was reset, has none yet: whoever
// stands at the desk would have every right of the code.
bool setFirstPassword(const QString &code, const TLogonTexts &texts)
{
    const std::optional<QString> typed = askNewPassword(texts);
    return typed && storeNewPassword(code, *typed, texts);
}

} // namespace

TLogonTexts ReadLogonTexts()
{
    const InterfaceTexts logon = InterfaceTexts::section("LOGON");
    TLogonTexts t;
    t.errMiMa = logon("errMiMa", "Password Error, Please try again");
    t.msgSelectGongHao = logon("msgSelectGongHao", "Please Select Your Code");
    t.msgModiMiMa = logon("msgModiMiMa", "Change Password");
    t.errModiMiMa = logon("errModiMiMa", "The password you typed do not match. Please retype the new password "
                                         "in the both boxes.");
    t.okModiMiMa = logon("okModiMiMa", "Changed password successfully.");
    t.InputOldMiMa = logon("InputOldMiMa", "Type your current password.");
    t.InputNewMiMa = logon("InputNewMiMa", "Type a new password.");
    t.InputNewMiMa2 = logon("InputNewMiMa2", "Type the new password again to confirm.");
    t.msgHelp = logon("msgHelp", "Ask a super administrator to reset your password.");
    return t;
}

QStringList OperatorCodesForLogon()
{
    QStringList codes;
    if (LoadOperatorCodes(codes))
        return codes;
    QString error;
    if (!InsertSuperOperator(&error))
        ShowError(QStringLiteral("E0016"), DbFailureText(QStringLiteral("Add Super Administrator Failure\n"), error, {}));
    LoadOperatorCodes(codes);
    return codes;
}

bool CheckLogon(const QString &code, const QString &typed, const TLogonTexts &texts)
{
    const bool found = LoadOperator(code);
    if (found && curOperator.MiMa.isEmpty())
        return setFirstPassword(code, texts);
    if (!found || !PasswordMatches(curOperator.MiMa, typed)) {
        ShowError(QStringLiteral("E0002"), texts.errMiMa);
        return false;
    }
    if (NeedsRehash(curOperator.MiMa))
        upgradeToHash(code, typed);
    return true;
}

void ModifyPassword(const QString &code, const TLogonTexts &texts)
{
    if (code.isEmpty()) {
        ShowWarning(QStringLiteral("N9021"), texts.msgSelectGongHao);
        return;
    }
    const std::optional<QString> current = askPassword(texts, texts.InputOldMiMa);
    if (!current)
        return;
    const std::optional<QString> typed = askNewPassword(texts);
    if (!typed)
        return;
    if (!LoadOperator(code) || !PasswordMatches(curOperator.MiMa, *current)) {
        ShowError(QStringLiteral("E0012"), texts.errMiMa);
        return;
    }
    storeNewPassword(code, *typed, texts);
}

void ShowPasswordHelp(const TLogonTexts &texts)
{
    ShowInfo(QStringLiteral("N9001"), texts.msgHelp);
}
