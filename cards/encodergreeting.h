#pragma once

#include <QString>

// The encoder as the logon screen meets it: opened once per run, at the first
// showing at which it answers, then greeted by its model with beeps.
void OpenEncoderAtLogon();

// The About box's text: the library's version and a fresh read of the
// encoder's information, library errors written into the text.
QString EncoderAboutText();
