#pragma once

#include "core/currency.h"
#include "core/records.h"

#include <QDateTime>
#include <QString>
#include <QTime>

// The guest panel's rules that need no widget: the room number as typed, the
// stay length, the check-out time, the price and the cover box.

// The room key of a typed room number: trimmed; a text without a "-" strictly
// inside it is a room of the current building bldNo ("305" -> "2-305", "-305"
// -> "2--305"). Empty stays empty.
QString EnteredRoomKey(const QString &text, int bldNo);

// The check-out time of a day stay: VIPCheckOutTime for a VIP ("14:00" when it
// does not read as a time), else CheckOutTime ("12:00").
QTime CheckOutTimeOf(bool vip);

// The end and price of a stay of length n from base: n hours at the room's hour
// rate (the first hour at the start-up price), or n days to the check-out time
// at the day price.
struct StayEnd {
    QDateTime checkOut;
    Currency price;
};
StayEnd StayOf(int n, bool hourRate, bool vip, const QDateTime &base, const TRoomInfo &room);

// The stay length of an existing stay: calendar days from arrival to departure.
int StayDays(const QDateTime &comeTime, const QDateTime &goTime);

// The price the panel offers for a room without guests.
Currency OfferedPrice(const TRoomInfo &room, bool hourRate);

// A vacant or reserved room starts a new check-in: its earlier cards are covered.
bool CoverTickedFor(const TRoomInfo &room);
// A room in hour-rate use goes on at the hour rate.
bool HourRateTickedFor(const TRoomInfo &room);
