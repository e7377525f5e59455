#include "ui/typinglimit.h"

#include <QLineEdit>
#include <QVariant>

namespace {

const char kTypingLimit[] = "typingLimit";

} // namespace

void SetTypingLimit(QLineEdit *edit, int maxLength)
{
    edit->setProperty(kTypingLimit, maxLength);
    edit->setMaxLength(maxLength);
}

void ShowProgramText(QLineEdit *edit, const QString &text)
{
    const QVariant limit = edit->property(kTypingLimit);
    if (limit.isValid())
        edit->setMaxLength(qMax(limit.toInt(), static_cast<int>(text.size())));
    edit->setText(text);
}
