#include "tools/admin/consoleport.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

bool interactive()
{
    return isatty(STDIN_FILENO) != 0;
}

QString readLine()
{
    QTextStream in(stdin);
    return in.readLine();
}

} // namespace

BoxAnswer ConsolePort::messageBox(BoxIcon, const QString &caption, const QString &text, BoxButtons buttons,
                                  BoxAnswer defaultAnswer)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    if (buttons == BoxButtons::Ok || !interactive())
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
    if (!interactive())
        return std::nullopt;
    std::fprintf(stderr, "%s: %s [%s] ", qPrintable(caption), qPrintable(prompt.trimmed()), qPrintable(value));
    const QString line = readLine();
    return line.isEmpty() ? value : line;
}
