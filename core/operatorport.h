#pragma once

#include <QString>

#include <optional>

// Every message, question and one-line input box reaches the operator through
// this port, so the shared operations never touch a widget and tests can answer
// in advance and read back what the operator was shown.

enum class BoxIcon { Error, Information, Warning, Question };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class OperatorPort {
public:
    virtual ~OperatorPort() = default;

    // A modal box whose caption is its code ("E0025", "N9038").
    virtual BoxAnswer messageBox(BoxIcon icon, const QString &caption, const QString &text,
                                 BoxButtons buttons, BoxAnswer defaultAnswer) = 0;
    // A one-line input box; nullopt when the operator cancels.
    virtual std::optional<QString> inputBox(const QString &caption, const QString &prompt,
                                            const QString &value, bool password = false) = 0;
    // The SQL-wait cursor while a database operation runs.
    virtual void setBusy(bool busy) = 0;
};

OperatorPort &Operator();
// Installs the port for the rest of the run (the port is not owned).
void SetOperatorPort(OperatorPort *port);

void ShowError(const QString &caption, const QString &text);
void ShowInfo(const QString &caption, const QString &text);
void ShowWarning(const QString &caption, const QString &text);
// Questions that change data: OK and Cancel, Cancel preselected. True for OK.
bool AskOkCancel(const QString &caption, const QString &text, BoxIcon icon = BoxIcon::Question);
// Yes and No, No preselected. True for Yes.
bool AskYesNo(const QString &caption, const QString &text, BoxIcon icon = BoxIcon::Question);
// The typed text, or def when the operator cancels.
QString InputBox(const QString &caption, const QString &prompt, const QString &def);

// Shows the SQL-wait cursor for as long as it lives; nests.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
