#pragma once

#include <QString>

#include <initializer_list>

class QAbstractButton;

// A button's caption and hint, as a screen reads them from Interface.txt.
struct ButtonCaption {
    QAbstractButton *button;
    const QString &caption;
    const QString &hint;
};

void SetButtonCaptions(std::initializer_list<ButtonCaption> captions);
