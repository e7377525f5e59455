#include "ui/buttoncaptions.h"

#include <QAbstractButton>

void SetButtonCaptions(std::initializer_list<ButtonCaption> captions)
{
    for (const ButtonCaption &caption : captions) {
        caption.button->setText(caption.caption);
        caption.button->setToolTip(caption.hint);
    }
}
