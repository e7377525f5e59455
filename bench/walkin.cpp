// The walk-in issue at the scale of a large property: 10,000 rooms, a card
// register of 200,000 cards and 100,000 guest stays, on SQLite and (when
// ZUMERAK_TEST_PGHOST names a server) on PostgreSQL. The card goes to the
// simulated encoder and the fixed waits after the card calls are recorded,
// not slept: the figures are the time the issue spends of its own (with the
// simulated device's calls), which should stay under 20 ms.

#include "bench/largeproperty.h"
#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/receiption/stayrules.h"
#include "screens/receiption/walkin.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/testdatabase.h"
#include "support/testworld.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

namespace {

constexpr int kIssues = 200;

void measure(Engine engine)
{
    TestWorld world({.encoder = true, .clock = true});
    if (!world.deliverDatabase(engine))
        return;
    settings.DBBakPath = world.folder.file(QStringLiteral("bak"));
    curOperator.GongHao = QStringLiteral("0001");
    if (!generate() || !LoadAryRoom())
        return;
    world.encoder->sim(QStringLiteral("blank"));
    OpenEncoder();
    Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    const DeskTexts texts = ReadDeskTexts();
    curMenu = QStringLiteral("WalkIn");
    QRandomGenerator random(11);
    std::vector<double> samples;
    int refused = 0;
    // The first issue of the day also makes the day's database backup.
    for (int i = 0; i <= kIssues; ++i) {
        ptrAryRoom = static_cast<int>(random.bounded(lenAryRoom));
        curRoom = aryRoom[ptrAryRoom];
        LoadRoomGuests(curRoom.BldRoomNo);
        world.encoder->sim(QStringLiteral("blank"));
        IssueRequest request;
        request.roomNoText = curRoom.BldRoomNo;
        request.guest.name = QStringLiteral("Walk-in %1").arg(i);
        request.guest.cNo = QStringLiteral("W%1").arg(i);
        const StayEnd stay = StayOf(1, false, false, world.clock->now(), curRoom);
        request.checkOut = stay.checkOut;
        request.guest.price = stay.price.toString();
        request.cover = CoverTickedFor(curRoom);
        world.port.clear();
        world.port.answer(BoxAnswer::Ok);
        bool issued = false;
        const double ms = milliseconds([&] { issued = IssueGuestCard(request, texts); });
        if (!issued)
            ++refused;
        else if (i > 0)
            samples.push_back(ms);
    }
    const char *engineName = engine == Engine::SQLite ? "SQLite" : "PostgreSQL";
    if (samples.empty()) {
        std::printf("%s: no card issued\n", engineName);
        return;
    }
    const Spread s = spread(samples);
    std::printf("%s: walk-in issue median %.2f ms, 95%% %.2f ms, max %.2f ms (%zu issues, %d refused)\n", engineName,
                s.median, s.p95, s.max, samples.size(), refused);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("ZUMERAK_ENCODER_LIBRARY"))
        qputenv("ZUMERAK_ENCODER_LIBRARY", ZUMERAK_ENCODER_LIBRARY);
    if (qEnvironmentVariableIsEmpty("ZUMERAK_ENCODER_SIM"))
        qputenv("ZUMERAK_ENCODER_SIM", ZUMERAK_ENCODER_SIM);
    MeasureOnEachEngine(measure);
    return 0;
}
