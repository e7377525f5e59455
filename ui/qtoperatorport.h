#pragma once

#include "core/operatorport.h"

// The operator port of the running program: modal message boxes and input
// boxes, and the wait cursor.
class QtOperatorPort final : public OperatorPort {
public:
    BoxAnswer messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons buttons,
                         BoxAnswer defaultAnswer) override;
    std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &value,
                                    bool password) override;
    void setBusy(bool busy) override;
};
