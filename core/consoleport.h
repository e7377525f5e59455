#pragma once

#include "core/operatorport.h"

// The operator port of the admin tool: boxes go to the standard error stream
// as "CAPTION: text"; questions and input boxes are asked on the terminal, and
// without one take their preselected answer.
class ConsolePort final : public OperatorPort {
public:
    BoxAnswer messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons buttons,
                         BoxAnswer defaultAnswer) override;
    std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &value,
                                    bool password) override;
    void setBusy(bool) override {}
};
