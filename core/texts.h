#pragma once

#include "core/ini.h"

#include <QString>

// One section of Interface.txt as a screen reads it when it is created: every
// text has an English default in the program, and a key present in the file
// replaces it (an empty value gives an empty text). The file is read when the
// section is taken and never written.
//
//     const InterfaceTexts t = InterfaceTexts::section("ROOMSDEFINATION");
//     r.Title1 = t("Title1", "Rooms Defination");
class InterfaceTexts {
public:
    static InterfaceTexts section(const char *name);

    // def is source text, UTF-8 like every literal of the program.
    QString operator()(const char *key, const char *def) const;
    // For keys made up at run time ("SoundMsg1").
    QString text(const QString &key, const QString &def) const;

private:
    explicit InterfaceTexts(const QString &section);

    IniFile m_ini;
    QString m_section;
};
