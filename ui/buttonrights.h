#pragma once

class QAbstractButton;
class QWidget;

// A button gated by rights carries its position in the rights string as its
// Tag (the dynamic property "Tag"); 0 or none means always enabled.
void SetTag(QAbstractButton *button, int tag);
int TagOf(const QAbstractButton *button);

// Enables or disables every button of screen that has a Tag, by the rights of
// the logged-on operator. Each screen calls it when it is shown.
void ApplyRights(QWidget *screen);
