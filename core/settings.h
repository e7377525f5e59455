#pragma once

#include "core/buildflag.h"

#include <QString>
#include <QStringList>

// Everything System.ini holds, plus the paths and the version text fixed at start.
// Field names are the keys of System.ini.
struct TSettings {
    QString WorkPath;      // the current directory at start, ending in "/"
    QString DBFile;        // WorkPath + "Zumerak.MDB"
    QString IniFile;       // WorkPath + "System.ini"
    QString InterfaceFile; // WorkPath + "Interface.txt"
    QString VersionText;

    // [READONLY]
    int CheckBlank = 0;
    int ClrPrice = 0;
    // [SYSTEM]
    QString DBBakPath;
    QString CompanyName;
    QString CompanyPhone;
    QString CompanyWeb;
    QString CompanyMisc;
    QString HotelName;
    int dlsCoID = 0;
    int FlagCheckOut = 0;
    QString CheckOutTime;
    QString VIPCheckOutTime;
    quint8 GuestLLock = 0;
    quint8 BaoJing = 0;
    quint8 TiShi = 0;
    QString Skin;
    // [FONT]
    QString FontName;
    int FontSize = 0;
    int FontHeight = 0;
    quint8 FontCharSet = 0;
    // [SYSTEM], server build only: read and written by the connection step
    QString TIP;
    QString TUIP;
    QString TUPW;
    // [SYSTEM]: the encoder library to load
    QString EncoderLibrary;

    QString SkinFile() const { return WorkPath + QStringLiteral("Skins/") + Skin; }
    QString ReportFile(const QString &name) const { return WorkPath + QStringLiteral("Reports/") + name; }
};

extern TSettings settings;

inline constexpr int kDefaultCoID = 0xFF0000;

// Fixes the working folder and file paths, the version text, seeds the random
// generator and CardCounter, clears ReaderInfo and reads System.ini. A failure
// is shown as E0059 (and gives false); start-up goes on with what was read so far.
bool LoadSettings();

// The server login of [SYSTEM] TIP, TUIP and TUPW.
void LoadServerLogin();
bool SaveServerLogin();

// One "SECTION.Key=value" line per setting, in the order System.ini is read.
QStringList SettingsLines();

// The code page of System.ini and Interface.txt, from [FONT] CharSet.
QByteArray SettingsCodePage();
