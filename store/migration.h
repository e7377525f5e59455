#pragma once

#include <QSqlDatabase>
#include <QString>

// Brings an older RoomInfo up to date: adds ReservCkIn, FirstCkOut,
// HourRateStartUp and HourRatePrice when missing, each with its notice
// (N9086..N9089). False with the database's message when a statement fails.
bool MigrateRoomInfo(QSqlDatabase &db, QString *error);
