// The data store at the scale of a large property: 10,000 rooms, a card
// register of 200,000 cards and 100,000 guest stays, on SQLite and (when
// ZUMERAK_TEST_PGHOST names a server) on PostgreSQL. Prints the room load
// against the bare SELECT of the same rows, and the guest lookups the front
// desk makes on every click.

#include "bench/largeproperty.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/connection.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/testdatabase.h"
#include "support/workfolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kLoadRuns = 9;
constexpr int kLookups = 500;

// The same statement through the same driver, every value fetched, nothing kept.
void bareSelect()
{
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT * FROM RoomInfo ORDER BY BldNo,FlrNo,RomID"));
    const int columns = query.record().count();
    qint64 touched = 0;
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            touched += query.value(i).isValid();
    }
    if (touched == 0)
        std::fprintf(stderr, "no rooms read\n");
}

void lookups(const char *name, const std::function<void(int)> &lookup)
{
    std::vector<double> samples;
    QRandomGenerator random(7);
    for (int i = 0; i < kLookups; ++i) {
        const int stay = static_cast<int>(random.bounded(kStays)) + 1;
        samples.push_back(milliseconds([&] { lookup(stay); }));
    }
    const Spread s = spread(samples);
    std::printf("  %-22s median %.3f ms, 95%% %.3f ms, max %.3f ms (%d lookups)\n", name, s.median, s.p95, s.max,
                kLookups);
}

void measure(Engine engine)
{
    WorkFolder folder;
    QString error;
    if (!MakeDeliveredDatabase(engine, &error)) {
        std::fprintf(stderr, "cannot make the database: %s\n", qPrintable(error));
        return;
    }
    const char *engineName = engine == Engine::SQLite ? "SQLite" : "PostgreSQL";
    QElapsedTimer generation;
    generation.start();
    if (!generate()) {
        std::fprintf(stderr, "cannot generate the property\n");
        return;
    }
    std::printf("%s: %d rooms, %d cards, %d stays generated in %.1f s\n", engineName,
                kBuildings * kFloors * kRoomsPerFloor, kCards, kStays, generation.elapsed() / 1000.0);

    LoadAryRoom(); // warms the caches and brings RoomInfo up to date
    std::vector<double> bare;
    std::vector<double> load;
    for (int run = 0; run < kLoadRuns; ++run) {
        bare.push_back(milliseconds(bareSelect));
        load.push_back(milliseconds(LoadAryRoom));
    }
    const Spread b = spread(bare);
    const Spread l = spread(load);
    std::printf("  bare SELECT of RoomInfo median %.2f ms\n  LoadAryRoom            median %.2f ms (%d rooms)"
                "  ratio %.2f\n",
                b.median, l.median, lenAryRoom, l.median / b.median);

    lookups("EarliestGoTime", [](int stay) { EarliestGoTime(bldRoomNoOfStay(stay)); });
    lookups("LoadRoomGuests", [](int stay) { LoadRoomGuests(bldRoomNoOfStay(stay)); });
    lookups("LoadGuestByCardID", [](int stay) { LoadGuestByCardID(cardIdOfStay(stay)); });
    CloseDatabase();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    LoadSharedTexts();
    MeasureOnEachEngine(measure);
    return 0;
}
