#include "ui/enterkey.h"

#include <QPushButton>

void KeepEnterOffButtons(QWidget *screen)
{
    for (QPushButton *button : screen->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}
