#pragma once

// A large property for the benchmarks: 10,000 rooms, a card register of
// 200,000 cards and 100,000 guest stays, generated into the delivered
// database of the shared connection; and the timing helpers they share.

#include "support/testdatabase.h"

#include <QString>

#include <functional>
#include <vector>

inline constexpr int kBuildings = 10;
inline constexpr int kFloors = 20;
inline constexpr int kRoomsPerFloor = 50;
inline constexpr int kCards = 200000;
inline constexpr int kStays = 100000;

QString roomNo(int floor, int index);
// The room and the guest card of generated stay number stay.
QString bldRoomNoOfStay(int stay);
QString cardIdOfStay(int stay);

// Fills the property in one transaction and analyses the tables; false after
// printing the database's message.
bool generate();

double milliseconds(const std::function<void()> &work);

struct Spread {
    double median;
    double p95;
    double max;
};
Spread spread(std::vector<double> samples);

// Runs measure on SQLite, then on PostgreSQL when ZUMERAK_TEST_PGHOST names a
// server (a line says it was skipped otherwise).
void MeasureOnEachEngine(const std::function<void(Engine)> &measure);
