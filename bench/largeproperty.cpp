#include "bench/largeproperty.h"

#include "core/records.h"
#include "store/connection.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>

namespace {

bool fail(const QSqlQuery &query)
{
    std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
    return false;
}

bool addRooms(QSqlDatabase &db)
{
    QSqlQuery room(db);
    room.prepare(QStringLiteral("INSERT INTO RoomInfo VALUES(:a,:b,:c,:c,:d,'Standard','Vacant',:p,:e,0,3,0,'',"
                                ":f,:g,'0.0000','0.0000')"));
    const QDateTime noon(QDate(2024, 3, 1), QTime(12, 0));
    for (int b = 1; b <= kBuildings; ++b) {
        for (int f = 1; f <= kFloors; ++f) {
            for (int r = 1; r <= kRoomsPerFloor; ++r) {
                room.bindValue(QStringLiteral(":a"), b);
                room.bindValue(QStringLiteral(":b"), f);
                room.bindValue(QStringLiteral(":c"), r);
                room.bindValue(QStringLiteral(":d"), roomNo(f, r));
                room.bindValue(QStringLiteral(":e"), r % 256);
                room.bindValue(QStringLiteral(":p"), QStringLiteral("%1.5000").arg(188 + r));
                room.bindValue(QStringLiteral(":f"), DateTimeZero());
                // Four rooms in five occupied, leaving within the week.
                room.bindValue(QStringLiteral(":g"), r % 5 ? noon.addDays(r % 7) : DateTimeZero());
                if (!room.exec())
                    return fail(room);
            }
        }
    }
    return true;
}

bool addCards(QSqlDatabase &db)
{
    QSqlQuery card(db);
    card.prepare(QStringLiteral("INSERT INTO CardInfo VALUES(:a,:b,'Guest','0001','','Issued')"));
    for (int id = 1; id <= kCards; ++id) {
        card.bindValue(QStringLiteral(":a"), id);
        card.bindValue(QStringLiteral(":b"), QStringLiteral("%1").arg(id, 32, 16, QLatin1Char('0')).toUpper());
        if (!card.exec())
            return fail(card);
    }
    return true;
}

// Ten stays per room: most closed, the newest current or reserved.
bool addStays(QSqlDatabase &db)
{
    static const char *const kFlags[] = {"CheckOut", "CheckOut", "CheckOut", "CheckOut", "CheckOut",
                                         "CheckOut", "WalkIn",   "Copy",     "TeamIn",   "Reservation"};
    QSqlQuery stay(db);
    stay.prepare(QStringLiteral("INSERT INTO GuestInfo VALUES(:a,:b,:c,'F','ID',:d,:e,:f,:g,:h,'','288.0000','100.0000')"));
    const QDateTime start(QDate(2024, 1, 1), QTime(14, 0));
    for (int id = 1; id <= kStays; ++id) {
        const int round = id / (kBuildings * kFloors * kRoomsPerFloor);
        stay.bindValue(QStringLiteral(":a"), id);
        stay.bindValue(QStringLiteral(":b"), bldRoomNoOfStay(id));
        stay.bindValue(QStringLiteral(":c"), QStringLiteral("Guest %1").arg(id % 7));
        stay.bindValue(QStringLiteral(":d"), QStringLiteral("C%1").arg(id % 7));
        stay.bindValue(QStringLiteral(":e"), start.addDays(round * 3));
        stay.bindValue(QStringLiteral(":f"), start.addDays(round * 3 + 2));
        stay.bindValue(QStringLiteral(":g"), cardIdOfStay(id));
        stay.bindValue(QStringLiteral(":h"), QLatin1String(kFlags[qMin(round, 9)]));
        if (!stay.exec())
            return fail(stay);
    }
    return true;
}

} // namespace

QString roomNo(int floor, int index)
{
    return QStringLiteral("%1%2").arg(floor).arg(index, 2, 10, QLatin1Char('0'));
}

QString bldRoomNoOfStay(int stay)
{
    const int room = stay % (kBuildings * kFloors * kRoomsPerFloor);
    const int building = room / (kFloors * kRoomsPerFloor) + 1;
    const int floor = room / kRoomsPerFloor % kFloors + 1;
    return QStringLiteral("%1-%2").arg(building).arg(roomNo(floor, room % kRoomsPerFloor + 1));
}

QString cardIdOfStay(int stay)
{
    return QStringLiteral("6%1").arg(stay, 7, 16, QLatin1Char('0')).toUpper();
}

bool generate()
{
    QSqlDatabase db = Db();
    if (!db.transaction())
        return false;
    if (!addRooms(db) || !addCards(db) || !addStays(db)) {
        db.rollback();
        return false;
    }
    if (!db.commit())
        return false;
    QSqlQuery analyze(db);
    return analyze.exec(QStringLiteral("ANALYZE"));
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

Spread spread(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 95 / 100], samples.back()};
}


void MeasureOnEachEngine(const std::function<void(Engine)> &measure)
{
    measure(Engine::SQLite);
    if (TestServerAvailable())
        measure(Engine::PostgreSQL);
    else
        std::printf("PostgreSQL: skipped (ZUMERAK_TEST_PGHOST names no server)\n");
}
