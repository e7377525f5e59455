#pragma once

#include <QString>
#include <QTime>

// The hotel-wide settings of the Options page, as the page edits them.
struct THotelParameters {
    QString HotelName;
    QString DBBakPath;
    QTime CheckOutTime;
    QTime VIPCheckOutTime;
    int FlagCheckOut = 0;
    bool GuestLLock = false;
    // The lock option bits of BaoJing and TiShi.
    bool Alarm = false;
    bool Remind = false;
    bool NoDisturb = false;
    bool Knob = false;
    bool Music = false;
    bool Cover = false;
};

inline constexpr int kHotelNameLength = 60;

// The parameters as the settings in memory hold them.
THotelParameters CurrentHotelParameters();

// A check-out time as System.ini holds it ("12:00", "12:00:00" or the
// system's own time format); fallback when it cannot be read.
QTime CheckOutTimeOf(const QString &text, const QTime &fallback);

quint8 BaoJingOf(const THotelParameters &parameters);
quint8 TiShiOf(const THotelParameters &parameters);

// The lock option bytes back to what new locks are delivered with, in memory only.
void ReturnLockOptionsToDefault();

// Writes the parameters to System.ini [SYSTEM] and then to the settings in
// memory; the lock option bytes only withLockOptions. The hotel name is cut to
// its 60 characters and both texts are trimmed. False, after E0018, when
// System.ini cannot be written.
bool SaveHotelParameters(const THotelParameters &parameters, bool withLockOptions);
