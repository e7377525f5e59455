#pragma once

#include "core/ini.h"

#include <QString>

// A screen's view of Interface.txt, taken when the screen is created: every
// text has an English default in the program, and a key present in the file
// replaces it (an empty value gives an empty text). The file is only read.
class InterfaceTexts {
public:
    InterfaceTexts();
    QString text(const QString &section, const QString &key, const QString &def) const;

private:
    IniFile m_ini;
};
