#pragma once

#include <QStringList>

class QColor;
class QWidget;

// What keeps the texts of a shown screen from being read, one line per fault:
// - a label or button whose text needs more room than the control has, or
//   that reaches out of the control it lies on, and a grid header text wider
//   than its column;
// - a label, check box, radio button or enabled push button whose text colour
//   stands out from the background it is drawn on by less than 4.5 : 1.
// The colours are those of the widgets' palettes as the style sheet left them;
// a control with a transparent background shows its parent's, and a gradient
// is judged by its worst stop. Every page of the screen's tab widgets is looked
// at in turn.
QStringList UnreadableTexts(QWidget *screen);

// The push buttons of a screen that Enter in one of its fields would press.
QStringList ButtonsPressedByEnter(QWidget *screen);

// The contrast ratio of two colours as the accessibility guidelines define it:
// 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor &a, const QColor &b);
