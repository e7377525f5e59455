#pragma once

#include "core/records.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The guest register: one GuestInfo row per stay of one guest in one room. The
// front desk fills curGuest and calls these; the loads fill aryGuest and
// aryReservation (app/state.h).

// The stay flags, as stored.
inline constexpr const char *kFlagWalkIn = "WalkIn";
inline constexpr const char *kFlagTeamIn = "TeamIn";
inline constexpr const char *kFlagCopy = "Copy";
inline constexpr const char *kFlagReservation = "Reservation";
inline constexpr const char *kFlagCheckOut = "CheckOut";
inline constexpr const char *kFlagCancelReservation = "CancelReservation";

// Stores curGuest as a new stay and sets its ID. With [READONLY] ClrPrice 1 the
// guest's earlier open stays in the room first lose their price and deposit
// (E0063 on failure, and the insert goes on). False on failure (E0026).
bool InsertGuestInfo();
// Gives the guest's reservation rows in the room the new flag. False on
// failure (E0065).
bool ChangeReservationFlag(const QString &bldRoomNo, const QString &name, const QString &cNo, const QString &flag);
// Closes the guest's stay in the room: its rows flagged WalkIn, TeamIn or
// Copy take the time as GoTime and the flag. The guest's reservations of the
// room stay open. False on failure (E0028).
bool CloseGuestStay(const QString &bldRoomNo, const QString &name, const QString &cNo, const QDateTime &time,
                    const QString &flag);

// The stay of a guest card into aryGuest[0]; true only when exactly one row
// holds the card ID (E0032 lists the rows when several do). aryGuest gets one
// entry per row and lenAryGuest the row count; entry 0 holds the last row.
bool LoadGuestByCardID(const QString &cardID);
// The current guests of a room, one entry per name from its newest row, into
// aryGuest; returns the number of rows found.
int LoadRoomGuests(const QString &bldRoomNo);
// The reservations of a room, consecutive rows of the same name and credential
// number as one entry, into aryReservation; returns the number of entries.
int LoadRoomReservations(const QString &bldRoomNo);
// The stays of all rooms with the flag, consecutive rows of the same name and
// credential number as one entry, into aryGuest; returns the number of rows.
int LoadGuestsByFlag(const QString &flag);

// The stays of the current guests of every room (flags WalkIn, TeamIn and
// Copy), one per row, ordered by room and ID. False with the reason in error.
bool ReadCurrentGuests(QList<TGuestInfo> *guests, QString *error);

// The rooms, in order, that hold rows of the guest name / cNo under flag: the
// rooms of a group ("TeamIn") or of a reservation ("Reservation"). False
// (E0070) when they cannot be read.
bool ReadGroupRooms(const QString &flag, const QString &name, const QString &cNo, QStringList *rooms);
// The rooms, in order, taken at some time between checkIn and checkOut by a
// stay or a reservation that was neither checked out nor cancelled. False
// (E0070) when they cannot be read.
bool ReadBusyRooms(const QDateTime &checkIn, const QDateTime &checkOut, QStringList *rooms);
// Cancels the reservation rows of the guest in the room: flag
// "CancelReservation", GoTime time. The guest's other rows stay as they are.
// False on failure (E0028).
bool CancelReservationRows(const QString &bldRoomNo, const QString &name, const QString &cNo, const QDateTime &time);

// The earliest reserved arrival of the room, the zero when it has none.
QDateTime FirstReservationTime(const QString &bldRoomNo);
// The earliest planned check-out of the room's current guests (each guest by
// the newest row), the zero when it has none.
QDateTime EarliestGoTime(const QString &bldRoomNo);

// The order of the guests report.
enum class GuestReportOrder { Id, Room, ComeTime, GoTime };

// The filters of the guests report: the stays that came and went within the
// two ranges (both ends included), of rooms whose BldRoomNo contains room and
// guests whose name contains name (each when not empty), with the stored flag
// (when not empty).
struct GuestReportQuery {
    QDateTime comeFrom, comeTo, goFrom, goTo;
    QString room;
    QString name;
    QString flag;
    GuestReportOrder order = GuestReportOrder::Id;
};
// Hands every stay of the report to take, in the report's order; sql gets the
// statement. False with the reason in error.
bool ReadGuestReport(const GuestReportQuery &filter, const std::function<void(const TGuestInfo &)> &take,
                     QString *sql, QString *error);
bool DeleteGuestInfo(int id, QString *error);
