#include "core/consoleport.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

QString readLine()
{
    QTextStream in(stdin);
    return in.readLine();
}

} // namespace

bool ConsolePort::asksTerminal() const
{
    return m_answers == Answers::FromTerminal && isatty(STDIN_FILENO) != 0;
}

BoxAnswer ConsolePort::messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons buttons,
                                  BoxAnswer defaultAnswer)
{
    if (icon == BoxIcon::Error)
        m_errorShown = true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    if (buttons == BoxButtons::Ok)
        return defaultAnswer;
    if (m_answers == Answers::Confirm)
        return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
    if (m_answers == Answers::Decline)
        return buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Cancel;
    if (!asksTerminal())
        return defaultAnswer;
    const bool yesNo = buttons == BoxButtons::YesNo;
    std::fprintf(stderr, yesNo ? "[y/N] " : "[o/C] ");
    const QString answer = readLine().trimmed().toLower();
    if (yesNo)
        return answer.startsWith(u'y') ? BoxAnswer::Yes : BoxAnswer::No;
    return answer.startsWith(u'o') ? BoxAnswer::Ok : BoxAnswer::Cancel;
}

std::optional<QString> ConsolePort::inputBox(const QString &caption, const QString &prompt, const QString &value,
                                             bool)
{
    if (!asksTerminal())
        return std::nullopt;
    std::fprintf(stderr, "%s: %s [%s] ", qPrintable(caption), qPrintable(prompt.trimmed()), qPrintable(value));
    const QString line = readLine();
    return line.isEmpty() ? value : line;
}
