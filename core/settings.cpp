#include "core/settings.h"

#include "core/clock.h"
#include "core/codepage.h"
#include "core/ini.h"
#include "core/operatorport.h"
#include "core/state.h"

#include <QDir>

#include <cstdlib>
#include <stdexcept>

TSettings settings;
BuildKind BuildFlag = BuildKind::File;

namespace {

QString workingFolder()
{
    QString path = QDir::currentPath();
    if (path.isEmpty())
        throw std::runtime_error("The working folder cannot be determined.");
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

QString defaultBackupFolder(const QString &workPath)
{
#ifdef Q_OS_WIN
    Q_UNUSED(workPath);
    return QStringLiteral("D:\\Kestul_DBBak");
#else
    return workPath + QStringLiteral("Kestul_DBBak");
#endif
}

quint8 lowByte(int value)
{
    return static_cast<quint8>(value & 0xFF);
}

IniFile openSystemIni()
{
    IniFile ini(settings.IniFile);
    // The values are in the code page of the file's own [FONT] CharSet.
    ini.setCodePage(CodePageForCharSet(lowByte(ini.readInteger("FONT", "CharSet", 1))));
    return ini;
}

void readSystemIni()
{
    const IniFile ini = openSystemIni();
    settings.CheckBlank = ini.readInteger("READONLY", "CheckBlank", 0);
    settings.ClrPrice = ini.readInteger("READONLY", "ClrPrice", 0);
    settings.DBBakPath = ini.readString("SYSTEM", "DBBakPath", defaultBackupFolder(settings.WorkPath));
    settings.CompanyName = ini.readString("SYSTEM", "CompanyName", QString());
    settings.CompanyPhone = ini.readString("SYSTEM", "CompanyPhone", QString());
    settings.CompanyWeb = ini.readString("SYSTEM", "CompanyWeb", QString());
    settings.CompanyMisc = ini.readString("SYSTEM", "CompanyMisc", QString());
    settings.HotelName = ini.readString("SYSTEM", "HotelName", QString());
    settings.dlsCoID = ini.readInteger("SYSTEM", "dlsCoID", kDefaultCoID);
    settings.FlagCheckOut = ini.readInteger("SYSTEM", "FlagCheckOut", 0);
    settings.CheckOutTime = ini.readString("SYSTEM", "CheckOutTime", QStringLiteral("12:00"));
    settings.VIPCheckOutTime = ini.readString("SYSTEM", "VIPCheckOutTime", QStringLiteral("14:00"));
    settings.GuestLLock = lowByte(ini.readInteger("SYSTEM", "GuestLLock", 1));
    settings.BaoJing = lowByte(ini.readInteger("SYSTEM", "BaoJing", 128));
    settings.TiShi = lowByte(ini.readInteger("SYSTEM", "TiShi", 156));
    settings.Skin = ini.readString("SYSTEM", "Skin", QString());
    settings.FontName = ini.readString("FONT", "Name", QString());
    settings.FontSize = ini.readInteger("FONT", "Size", 12);
    settings.FontHeight = ini.readInteger("FONT", "Height", -16);
    settings.FontCharSet = lowByte(ini.readInteger("FONT", "CharSet", 1));
    settings.EncoderLibrary = ini.readString("SYSTEM", "EncoderLibrary", QStringLiteral("Lumtek"));
}

} // namespace

bool LoadSettings()
{
    settings = TSettings{};
    try {
        std::srand(static_cast<unsigned>(Clock().now().toMSecsSinceEpoch()));
        settings.VersionText = BuildFlag == BuildKind::Server ? QStringLiteral("HODRA-Q7.27SQL")
                                                              : QStringLiteral("HODRA-Q7.27");
        CardCounter = Clock().now().time().second() & 15;
        ClearReaderInfo();
        settings.WorkPath = workingFolder();
        settings.DBFile = settings.WorkPath + QStringLiteral("Zumerak.MDB");
        settings.IniFile = settings.WorkPath + QStringLiteral("System.ini");
        settings.InterfaceFile = settings.WorkPath + QStringLiteral("Interface.txt");
        readSystemIni();
    } catch (const std::exception &error) {
        ShowError(QStringLiteral("E0059"),
                  QStringLiteral("System Error---E0059\n\n") + QString::fromLocal8Bit(error.what()));
        return false;
    }
    return true;
}

void LoadServerLogin()
{
    const IniFile ini = openSystemIni();
    settings.TIP = ini.readString("SYSTEM", "TIP", QString());
    settings.TUIP = ini.readString("SYSTEM", "TUIP", QString());
    settings.TUPW = ini.readString("SYSTEM", "TUPW", QString());
}

bool SaveServerLogin()
{
    IniFile ini = openSystemIni();
    return ini.writeString("SYSTEM", "TIP", settings.TIP)
        && ini.writeString("SYSTEM", "TUIP", settings.TUIP)
        && ini.writeString("SYSTEM", "TUPW", settings.TUPW);
}

QByteArray SettingsCodePage()
{
    return CodePageForCharSet(settings.FontCharSet);
}

QStringList SettingsLines()
{
    const TSettings &s = settings;
    return {
        QStringLiteral("READONLY.CheckBlank=%1").arg(s.CheckBlank),
        QStringLiteral("READONLY.ClrPrice=%1").arg(s.ClrPrice),
        QStringLiteral("SYSTEM.DBBakPath=") + s.DBBakPath,
        QStringLiteral("SYSTEM.CompanyName=") + s.CompanyName,
        QStringLiteral("SYSTEM.CompanyPhone=") + s.CompanyPhone,
        QStringLiteral("SYSTEM.CompanyWeb=") + s.CompanyWeb,
        QStringLiteral("SYSTEM.CompanyMisc=") + s.CompanyMisc,
        QStringLiteral("SYSTEM.HotelName=") + s.HotelName,
        QStringLiteral("SYSTEM.dlsCoID=%1").arg(s.dlsCoID),
        QStringLiteral("SYSTEM.FlagCheckOut=%1").arg(s.FlagCheckOut),
        QStringLiteral("SYSTEM.CheckOutTime=") + s.CheckOutTime,
        QStringLiteral("SYSTEM.VIPCheckOutTime=") + s.VIPCheckOutTime,
        QStringLiteral("SYSTEM.GuestLLock=%1").arg(s.GuestLLock),
        QStringLiteral("SYSTEM.BaoJing=%1").arg(s.BaoJing),
        QStringLiteral("SYSTEM.TiShi=%1").arg(s.TiShi),
        QStringLiteral("SYSTEM.Skin=") + s.Skin,
        QStringLiteral("FONT.Name=") + s.FontName,
        QStringLiteral("FONT.Size=%1").arg(s.FontSize),
        QStringLiteral("FONT.Height=%1").arg(s.FontHeight),
        QStringLiteral("FONT.CharSet=%1").arg(s.FontCharSet),
        QStringLiteral("SYSTEM.TIP=") + s.TIP,
        QStringLiteral("SYSTEM.TUIP=") + s.TUIP,
        QStringLiteral("SYSTEM.TUPW=") + s.TUPW,
        QStringLiteral("SYSTEM.EncoderLibrary=") + s.EncoderLibrary,
    };
}
