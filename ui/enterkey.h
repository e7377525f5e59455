#pragma once

class QWidget;

// Enter in a field must not press a button: in a dialog the first push button
// is the default button unless told otherwise, so Enter in an edit, a time
// picker or a grid would press it. Every screen calls this once its buttons
// exist; where Enter in a field is meant to do what a button does, the screen
// wires that field's Enter to the button itself.
void KeepEnterOffButtons(QWidget *screen);
