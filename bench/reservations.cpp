// The free-room search of a reservation at the scale of a large property:
// 10,000 rooms and 100,000 guest stays, on SQLite and (when ZUMERAK_TEST_PGHOST
// names a server) on PostgreSQL. It prints the busy-rooms query alone and the
// whole search (query and the free rooms of the registry), which should both
// stay under 100 ms.

#include "bench/largeproperty.h"
#include "core/state.h"
#include "screens/receiption/groups.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/testdatabase.h"
#include "support/testworld.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kSearches = 40;

void measure(Engine engine)
{
    TestWorld world({.clock = true});
    if (!world.deliverDatabase(engine) || !generate() || !LoadAryRoom())
        return;
    // The generated stays run through January 2024; the periods searched
    // cross their busiest days.
    world.clock->set(QDateTime(QDate(2024, 1, 10), QTime(9, 0)));
    const DeskTexts texts = ReadDeskTexts();
    std::vector<double> queries;
    std::vector<double> searches;
    qsizetype busy = 0;
    qsizetype free = 0;
    for (int i = 0; i < kSearches; ++i) {
        const QDateTime checkIn(QDate(2024, 1, 12).addDays(i % 20), QTime(14, 0));
        const QDateTime checkOut = checkIn.addDays(1 + i % 4);
        QStringList rooms;
        queries.push_back(milliseconds([&] { ReadBusyRooms(checkIn, checkOut, &rooms); }));
        busy = std::max(busy, rooms.size());
        world.port.clear();
        searches.push_back(milliseconds([&] { SearchFreeRooms(checkIn, checkOut, texts, &rooms); }));
        free = std::max(free, rooms.size());
    }
    const char *engineName = engine == Engine::SQLite ? "SQLite" : "PostgreSQL";
    const Spread q = spread(queries);
    const Spread s = spread(searches);
    std::printf("%s: busy-rooms query median %.2f ms, 95%% %.2f ms, max %.2f ms (up to %lld busy rooms)\n", engineName,
                q.median, q.p95, q.max, static_cast<long long>(busy));
    std::printf("%s: free-room search median %.2f ms, 95%% %.2f ms, max %.2f ms (up to %lld free rooms of %d)\n",
                engineName, s.median, s.p95, s.max, static_cast<long long>(free), lenAryRoom);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    MeasureOnEachEngine(measure);
    return 0;
}
