#include "core/operatorport.h"

#include "core/consoleport.h"

namespace {

// Until a program installs its own port, boxes go to the standard error stream
// and every question takes its preselected answer.
ConsolePort fallbackPort;
OperatorPort *currentPort = &fallbackPort;
int busyDepth = 0;

} // namespace

OperatorPort &Operator()
{
    return *currentPort;
}

void SetOperatorPort(OperatorPort *port)
{
    currentPort = port ? port : &fallbackPort;
}

void ShowError(const QString &caption, const QString &text)
{
    Operator().messageBox(BoxIcon::Error, caption, text, BoxButtons::Ok, BoxAnswer::Ok);
}

void ShowInfo(const QString &caption, const QString &text)
{
    Operator().messageBox(BoxIcon::Information, caption, text, BoxButtons::Ok, BoxAnswer::Ok);
}

void ShowWarning(const QString &caption, const QString &text)
{
    Operator().messageBox(BoxIcon::Warning, caption, text, BoxButtons::Ok, BoxAnswer::Ok);
}

bool AskOkCancel(const QString &caption, const QString &text, BoxIcon icon)
{
    return Operator().messageBox(icon, caption, text, BoxButtons::OkCancel, BoxAnswer::Cancel) == BoxAnswer::Ok;
}

bool AskYesNo(const QString &caption, const QString &text, BoxIcon icon)
{
    return Operator().messageBox(icon, caption, text, BoxButtons::YesNo, BoxAnswer::No) == BoxAnswer::Yes;
}

QString InputBox(const QString &caption, const QString &prompt, const QString &def)
{
    return Operator().inputBox(caption, prompt, def).value_or(def);
}

BusyCursor::BusyCursor()
{
    if (busyDepth++ == 0)
        Operator().setBusy(true);
}

BusyCursor::~BusyCursor()
{
    if (--busyDepth == 0)
        Operator().setBusy(false);
}
