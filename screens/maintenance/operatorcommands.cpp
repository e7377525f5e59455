#include "screens/maintenance/operatorcommands.h"

#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "store/dbfailure.h"
#include "store/operators.h"

#include <optional>

namespace {

const QString kRoleLetters = QStringLiteral("SAMG");

// The answer trimmed and cut to length; nullopt when the operator cancels.
std::optional<QString> ask(const QString &caption, const QString &prompt, const QString &value, int length)
{
    const std::optional<QString> answer = Operator().inputBox(caption, prompt, value);
    if (!answer)
        return std::nullopt;
    return answer->trimmed().left(length);
}

// A role row's code as an operator's code would let the operator stand in for a role.
bool refuseRoleRowCode(const QString &code)
{
    if (!IsRoleRowCode(code))
        return false;
    ShowError(QStringLiteral("N9026"), Common.ErrInput + u'\n' + code);
    return true;
}

// The role letter asked for, or nullopt after an empty answer or the warning.
std::optional<QString> askRole(const QString &caption, const QString &value, const QString &warningCaption,
                               const TMaintenanceTexts &texts)
{
    const std::optional<QString> answer = Operator().inputBox(caption, texts.InputQuanXian, value);
    if (!answer)
        return std::nullopt;
    const QString typed = answer->trimmed().toUpper();
    if (typed.isEmpty())
        return std::nullopt;
    const QString role = RoleLetterOf(typed);
    if (role.isEmpty()) {
        ShowWarning(warningCaption, Common.ErrInput + u'\n' + typed);
        return std::nullopt;
    }
    return role;
}

} // namespace

QString RoleLetterOf(const QString &answer)
{
    const QString letter = answer.trimmed().toUpper();
    return letter.size() == 1 && kRoleLetters.contains(letter) ? letter : QString();
}

bool AddOperator(const QString &caption, const TMaintenanceTexts &texts)
{
    TOperatorInfo op;
    const std::optional<QString> code = ask(caption, texts.InputGongHao, QString(), kCodeLength);
    if (!code || code->isEmpty() || refuseRoleRowCode(*code))
        return false;
    const std::optional<QString> name = ask(caption, texts.InputName, QString(), kNameLength);
    if (!name || name->isEmpty())
        return false;
    // The memo may be empty, so Cancel there is no reason to give up.
    const QString memo = ask(caption, texts.InputBeiZhu, QString(), kMemoLength).value_or(QString());
    const std::optional<QString> role = askRole(caption, QString(), QStringLiteral("N9027"), texts);
    if (!role)
        return false;
    op.GongHao = *code;
    op.Name = *name;
    op.BeiZhu = memo;
    op.QuanXian = *role;
    QString error;
    if (!InsertOperator(op, &error)) {
        ShowError(QStringLiteral("E0014"),
                  DbFailureText(texts.ErrAddOprt + u'\n', error, {op.GongHao, op.Name, op.BeiZhu, op.QuanXian}));
    }
    return true;
}

bool RemoveOperator(const TOperatorInfo &selected, const TMaintenanceTexts &texts)
{
    if (selected.GongHao.isEmpty()
        || !AskOkCancel(QStringLiteral("N9029"), texts.msgDelOprt + u'\n' + selected.GongHao + u'\n' + selected.Name))
        return false;
    QString error;
    if (!DeleteOperator(selected.GongHao, &error)) {
        ShowError(QStringLiteral("E0015"), DbFailureText(QStringLiteral("Remove Operator Failure.\n"), error,
                                                         {selected.GongHao, selected.Name}));
    }
    return true;
}

bool ModifyOperator(const TOperatorInfo &selected, const QString &caption, const TMaintenanceTexts &texts)
{
    if (selected.GongHao.isEmpty())
        return false;
    TOperatorInfo op = selected;
    const bool roleRow = IsRoleRowCode(selected.GongHao);
    if (!roleRow) {
        const std::optional<QString> code = ask(caption, texts.GongHao + u'\n', selected.GongHao, kCodeLength);
        if (!code || code->isEmpty() || refuseRoleRowCode(*code))
            return false;
        const std::optional<QString> name = ask(caption, texts.Name + u'\n', selected.Name, kNameLength);
        if (!name || name->isEmpty())
            return false;
        op.GongHao = *code;
        op.Name = *name;
    }
    const std::optional<QString> memo = ask(caption, texts.BeiZhu + u'\n', selected.BeiZhu, kMemoLength);
    if (!memo)
        return false;
    op.BeiZhu = *memo;
    if (!roleRow) {
        const std::optional<QString> role = askRole(caption, selected.QuanXian, QStringLiteral("N9028"), texts);
        if (!role)
            return false;
        op.QuanXian = *role;
    }
    QString error;
    if (!UpdateOperator(selected.GongHao, op, &error)) {
        ShowError(QStringLiteral("E0017"), DbFailureText(texts.ErrModiOprt + u'\n', error,
                                                         {selected.GongHao + QStringLiteral(" --> ") + op.GongHao}));
    }
    return true;
}
