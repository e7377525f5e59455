// System.ini as a hotel may have left it: any bytes, read at start-up, then
// one value written back as the hotel-parameters page does, which must read
// back as written and leave every other value as it was.

#include "core/ini.h"
#include "core/settings.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = FuzzBytes(data, size);
    WriteFuzzFile(QStringLiteral("System.ini"), content);
    LoadSettings();
    const QStringList before = SettingsLines();

    IniFile ini(settings.IniFile, SettingsCodePage());
    const QString tip = ini.readString("SYSTEM", "TIP", QString());
    QString value;
    for (const char c : content.left(12)) {
        if (c >= ' ' && c <= '~')
            value += QLatin1Char(c);
    }
    FuzzCheck(ini.writeString("SYSTEM", "HotelName", value));
    const IniFile reread(settings.IniFile, SettingsCodePage());
    FuzzCheck(reread.readString("SYSTEM", "HotelName", QStringLiteral("none")) == value.trimmed()
              || value.trimmed() != value);
    FuzzCheck(reread.readString("SYSTEM", "TIP", QString()) == tip);
    ParseIniInteger(QString::fromLatin1(content), 7);
    return 0;
}
