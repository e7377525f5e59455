#include "ui/buttonrights.h"

#include "core/rights.h"

#include <QAbstractButton>

namespace {

const char kTag[] = "Tag";

} // namespace

void SetTag(QAbstractButton *button, int tag)
{
    button->setProperty(kTag, tag);
}

int TagOf(const QAbstractButton *button)
{
    return button->property(kTag).toInt();
}

void ApplyRights(QWidget *screen)
{
    for (QAbstractButton *button : screen->findChildren<QAbstractButton *>()) {
        const int tag = TagOf(button);
        if (tag > 0)
            button->setEnabled(HasRight(tag));
    }
}
