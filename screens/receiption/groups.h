#pragma once

#include "screens/receiption/desktexts.h"
#include "screens/receiption/walkin.h"

#include <QDateTime>
#include <QStringList>

// Several rooms under one name, without widgets: a group ("TeamIn" rows of
// one leader) and a reservation ("Reservation" rows of one holder, one per
// room). The cards of a group are issued room by room with IssueGuestCard.

// The vacant rooms of every building, in registry order: the rooms a group
// can be given.
QStringList ListVacantRooms();

// The rooms holding rows of holder (its name and credential number) under
// flag; false after the read's box.
bool ListGroupRooms(const QString &flag, const TGuestInfo &holder, QStringList *rooms);

// The cards the rooms hold together.
int TeamCardTotal(const QStringList &rooms);

// The rooms free for the whole of a reservation from checkIn to checkOut, in
// registry order, whatever their status. A period that starts in the past or
// ends before it starts is refused (N9084); the operator is reminded of the
// holder's name and credential number (N9085) before the search.
bool SearchFreeRooms(const QDateTime &checkIn, const QDateTime &checkOut, const DeskTexts &texts, QStringList *rooms);

// A reservation of the rooms for the holder of the guest fields, from checkIn
// to checkOut: one "Reservation" row per room, and the rooms' first
// reservation time where this one comes first or the recorded one has passed.
// All rooms or none. True after the success box (N9083); an empty list does
// nothing.
struct ReservationRequest {
    QStringList rooms;
    GuestFields holder;
    QDateTime checkIn;
    QDateTime checkOut;
};
bool MakeReservation(const ReservationRequest &request, const DeskTexts &texts);

// Checks the group of the leader name (credential number curGuest.CNo) out of
// the rooms, after the operator's OK (N9080): room by room, each room on its
// own, stopping at the first that fails. True after the success box (N9079).
bool CheckOutGroup(const QStringList &rooms, const QString &name, const DeskTexts &texts);

// Cancels the reservation of the holder name (credential number curGuest.CNo)
// in the rooms, after the operator's OK (N9081): only the holder's
// "Reservation" rows of each room, and the room's first reservation time.
// Stays, card counts, memos and statuses are left alone. True after the
// success box (N9082).
bool CancelReservation(const QStringList &rooms, const QString &name, const DeskTexts &texts);
