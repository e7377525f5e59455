#pragma once

class QLineEdit;
class QString;

// QLineEdit's maximum length also cuts what the program puts in: a longer
// stored value would show cut and be saved cut at the next Save. These limit
// only what the operator types or pastes.
void SetTypingLimit(QLineEdit *edit, int maxLength);

// Puts text in edit whole, however long. The operator can then shorten it but
// not make it longer than the typing limit or this text, whichever is longer.
void ShowProgramText(QLineEdit *edit, const QString &text);
