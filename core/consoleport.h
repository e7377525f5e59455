#pragma once

#include "core/operatorport.h"

// The operator port where there is no window: boxes go to the standard error
// stream as "CAPTION: text". With Answers::FromTerminal questions and input
// boxes are asked on the terminal when there is one; otherwise (and always
// with Answers::Preselected) a question takes its preselected answer and an
// input box is cancelled, so nothing ever waits. With Answers::Confirm every
// question is answered OK (or Yes), for a command told to go ahead; with
// Answers::Decline every question is answered Cancel (or No), so that a
// command not told to go ahead changes nothing a question guards.
class ConsolePort final : public OperatorPort {
public:
    enum class Answers { Preselected, FromTerminal, Confirm, Decline };

    explicit ConsolePort(Answers answers = Answers::Preselected) : m_answers(answers) {}

    BoxAnswer messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons buttons,
                         BoxAnswer defaultAnswer) override;
    std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &value,
                                    bool password) override;
    void setBusy(bool) override {}

    // Whether an error box has been shown: a check run this way fails then.
    bool errorShown() const { return m_errorShown; }

private:
    bool asksTerminal() const;

    Answers m_answers;
    bool m_errorShown = false;
};
