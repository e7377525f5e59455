#include "screens/receiption/stayrules.h"

#include "core/settings.h"
#include "store/rooms.h"

namespace {

QTime timeOr(const QString &text, const QTime &fallback)
{
    const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    return time.isValid() ? time : fallback;
}

} // namespace

QString EnteredRoomKey(const QString &text, int bldNo)
{
    const QString key = text.trimmed();
    if (key.isEmpty())
        return key;
    const qsizetype dash = key.indexOf(u'-', 1);
    if (dash > 0 && dash < key.size() - 1)
        return key;
    return BldRoomNoOf(bldNo, key);
}

QTime CheckOutTimeOf(bool vip)
{
    return vip ? timeOr(settings.VIPCheckOutTime, QTime(14, 0)) : timeOr(settings.CheckOutTime, QTime(12, 0));
}

StayEnd StayOf(int n, bool hourRate, bool vip, const QDateTime &base, const TRoomInfo &room)
{
    if (hourRate)
        return {base.addSecs(qint64(n) * 3600), room.HourRatePrice * (n - 1) + room.HourRateStartup};
    return {QDateTime(base.date().addDays(n), CheckOutTimeOf(vip)), room.Price * n};
}

int StayDays(const QDateTime &comeTime, const QDateTime &goTime)
{
    return static_cast<int>(comeTime.date().daysTo(goTime.date()));
}

Currency OfferedPrice(const TRoomInfo &room, bool hourRate)
{
    return hourRate ? room.HourRateStartup + room.HourRatePrice : room.Price;
}

bool CoverTickedFor(const TRoomInfo &room)
{
    return room.Status == RoomStatusText(RoomStatus::VC) || room.Status == RoomStatusText(RoomStatus::OT);
}

bool HourRateTickedFor(const TRoomInfo &room)
{
    return room.Status == RoomStatusText(RoomStatus::OH);
}
