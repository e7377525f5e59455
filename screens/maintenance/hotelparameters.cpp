#include "screens/maintenance/hotelparameters.h"

#include "core/ini.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "store/rooms.h"

#include <QLocale>

namespace {

constexpr int kAlwaysSet = 128; // bit 7 of both option bytes
constexpr int kAlarmBit = 6;
constexpr int kRemindBit = 6;
constexpr int kNoDisturbBit = 5;
constexpr int kKnobBit = 4;
constexpr int kMusicBit = 3;
constexpr int kCoverBit = 2;
constexpr quint8 kDefaultBaoJing = 128;
constexpr quint8 kDefaultTiShi = 156;

QString timeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

} // namespace

THotelParameters CurrentHotelParameters()
{
    THotelParameters p;
    p.HotelName = settings.HotelName;
    p.DBBakPath = settings.DBBakPath;
    p.CheckOutTime = CheckOutTimeOf(settings.CheckOutTime, QTime(12, 0));
    p.VIPCheckOutTime = CheckOutTimeOf(settings.VIPCheckOutTime, QTime(14, 0));
    p.FlagCheckOut = settings.FlagCheckOut;
    p.GuestLLock = settings.GuestLLock != 0;
    p.Alarm = GetBit(settings.BaoJing, kAlarmBit);
    p.Remind = GetBit(settings.TiShi, kRemindBit);
    p.NoDisturb = GetBit(settings.TiShi, kNoDisturbBit);
    p.Knob = GetBit(settings.TiShi, kKnobBit);
    p.Music = GetBit(settings.TiShi, kMusicBit);
    p.Cover = GetBit(settings.TiShi, kCoverBit);
    return p;
}

QTime CheckOutTimeOf(const QString &text, const QTime &fallback)
{
    const QString trimmed = text.trimmed();
    for (const QString &format : {QStringLiteral("H:mm"), QStringLiteral("H:mm:ss")}) {
        const QTime time = QTime::fromString(trimmed, format);
        if (time.isValid())
            return time;
    }
    const QLocale system = QLocale::system();
    for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QTime time = system.toTime(trimmed, format);
        if (time.isValid())
            return time;
    }
    return fallback;
}

quint8 BaoJingOf(const THotelParameters &parameters)
{
    return static_cast<quint8>(SetBit(kAlwaysSet, kAlarmBit, parameters.Alarm));
}

quint8 TiShiOf(const THotelParameters &parameters)
{
    int tiShi = kAlwaysSet;
    tiShi = SetBit(tiShi, kRemindBit, parameters.Remind);
    tiShi = SetBit(tiShi, kNoDisturbBit, parameters.NoDisturb);
    tiShi = SetBit(tiShi, kKnobBit, parameters.Knob);
    tiShi = SetBit(tiShi, kMusicBit, parameters.Music);
    tiShi = SetBit(tiShi, kCoverBit, parameters.Cover);
    return static_cast<quint8>(tiShi);
}

void ReturnLockOptionsToDefault()
{
    settings.BaoJing = kDefaultBaoJing;
    settings.TiShi = kDefaultTiShi;
}

bool SaveHotelParameters(const THotelParameters &parameters, bool withLockOptions)
{
    const QString hotelName = parameters.HotelName.trimmed().left(kHotelNameLength);
    const QString bakPath = parameters.DBBakPath.trimmed();
    const QString checkOut = timeText(parameters.CheckOutTime);
    const QString vipCheckOut = timeText(parameters.VIPCheckOutTime);
    const int guestLLock = parameters.GuestLLock ? 1 : 0;
    const quint8 baoJing = BaoJingOf(parameters);
    const quint8 tiShi = TiShiOf(parameters);

    IniFile ini(settings.IniFile, SettingsCodePage());
    const QString section = QStringLiteral("SYSTEM");
    bool written = ini.writeString(section, QStringLiteral("HotelName"), hotelName)
        && ini.writeString(section, QStringLiteral("DBBakPath"), bakPath)
        && ini.writeString(section, QStringLiteral("CheckOutTime"), checkOut)
        && ini.writeString(section, QStringLiteral("VIPCheckOutTime"), vipCheckOut)
        && ini.writeInteger(section, QStringLiteral("FlagCheckOut"), parameters.FlagCheckOut)
        && ini.writeInteger(section, QStringLiteral("GuestLLock"), guestLLock);
    if (written && withLockOptions) {
        written = ini.writeInteger(section, QStringLiteral("BaoJing"), baoJing)
            && ini.writeInteger(section, QStringLiteral("TiShi"), tiShi);
    }
    if (!written) {
        ShowError(QStringLiteral("E0018"),
                  QStringLiteral("System Error---E0018\n\nSystem.ini cannot be written.\n") + settings.IniFile);
        return false;
    }
    settings.HotelName = hotelName;
    settings.DBBakPath = bakPath;
    settings.CheckOutTime = checkOut;
    settings.VIPCheckOutTime = vipCheckOut;
    settings.FlagCheckOut = parameters.FlagCheckOut;
    settings.GuestLLock = static_cast<quint8>(guestLLock);
    if (withLockOptions) {
        settings.BaoJing = baoJing;
        settings.TiShi = tiShi;
    }
    return true;
}
