#pragma once

class QWidget;

// Puts the [FONT] settings on the text controls of a screen: face, size and
// then pixel height when a face is configured, and the character set always.
// Called last when a screen is created.
void ApplyFontSettings(QWidget *screen);
