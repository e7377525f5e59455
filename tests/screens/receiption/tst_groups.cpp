#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/groups.h"
#include "screens/receiption/walkin.h"
#include "store/database.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

// Groups and reservations at the front desk, on the simulated encoder: the
// free-room search, reservations made and cancelled, groups checked in and
// out, and reservations checked in room by room.
class TestGroups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void searchesFreeRooms_data();
    void searchesFreeRooms();
    void refusesABadPeriod_data();
    void refusesABadPeriod();
    void reservationsMarkTheirRooms();
    void passedReservationIsReplaced();
    void checksAGroupInAndOut();
    void checksAReservationInRoomByRoom();
    void cancelKeepsTheStayInTheRoom();

private:
    // A card for name in the room (index in aryRoom) in the operation mode.
    void issue(int index, const QString &mode, const QString &name, int chosenRooms = 0);
    // A reservation of the rooms for name, from the first to the second day of March at 14:00 and 12:00.
    void reserve(const QStringList &rooms, const QString &name, int from, int to);
    // The holder's row in the list the panel loads, as selecting it sets curGuest.
    void selectHolder(const QString &flag, const QString &name);
    QStringList flags(const QString &bldRoomNo) const;

    std::optional<TestWorld> m_world;
    DeskTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 3, 1), QTime(10, 0));

QDateTime march(int day, int hour)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, 0));
}

QString guestFlags(const QString &where)
{
    QStringList flags;
    QSqlQuery rows(Db());
    rows.exec(QStringLiteral("SELECT Flag FROM GuestInfo WHERE %1 ORDER BY ID").arg(where));
    while (rows.next())
        flags << rows.value(0).toString();
    return flags.join(u' ');
}

} // namespace

void TestGroups::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.encoder = true, .clock = true});
    QVERIFY(m_world->deliverDatabase(engine));
    m_world->clock->set(kNow);
    curOperator.GongHao = QStringLiteral("007");
    m_texts = ReadDeskTexts();
    QVERIFY(m_world->openEncoder());
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Main')")));
    for (int room = 1; room <= 3; ++room)
        QVERIFY(AddRoomRow(SampleRoom(1, 1, room, QStringLiteral("10%1").arg(room))));
    QVERIFY(LoadAryRoom());
    curBld = {1, QStringLiteral("Main")};
}

void TestGroups::issue(int index, const QString &mode, const QString &name, int chosenRooms)
{
    m_world->encoder->sim(QStringLiteral("blank"));
    curMenu = mode;
    ptrAryRoom = index;
    curRoom = aryRoom[index];
    IssueRequest request;
    request.roomNoText = curRoom.BldRoomNo;
    request.guest.name = name;
    request.guest.cNo = QStringLiteral("P") + name;
    request.checkOut = march(3, 12);
    request.cover = true;
    request.chosenRooms = chosenRooms;
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(IssueGuestCard(request, m_texts));
    m_world->port.clear();
}

void TestGroups::reserve(const QStringList &rooms, const QString &name, int from, int to)
{
    ReservationRequest request;
    request.rooms = rooms;
    request.holder.name = name;
    request.holder.cNo = QStringLiteral("P") + name;
    request.checkIn = march(from, 14);
    request.checkOut = march(to, 12);
    QVERIFY(MakeReservation(request, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{"N9083"});
    m_world->port.clear();
}

void TestGroups::selectHolder(const QString &flag, const QString &name)
{
    LoadGuestsByFlag(flag);
    for (int i = 0; i < lenAryGuest; ++i) {
        if (aryGuest[i].Name == name) {
            ptrAryGuest = i;
            curGuest = aryGuest[i];
            return;
        }
    }
    QFAIL("no such holder");
}

QStringList TestGroups::flags(const QString &bldRoomNo) const
{
    return guestFlags(QStringLiteral("BldRoomNo='%1'").arg(bldRoomNo)).split(u' ', Qt::SkipEmptyParts);
}

void TestGroups::searchesFreeRooms_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("free");
    // 1-101 is occupied until noon of the 3rd, 1-102 reserved from the 6th to the 8th.
    QTest::newRow("the day after the stay") << 4 << 5 << QStringList{"1-101", "1-102", "1-103"};
    QTest::newRow("overlapping the stay") << 2 << 4 << QStringList{"1-102", "1-103"};
    QTest::newRow("overlapping the reservation") << 7 << 9 << QStringList{"1-101", "1-103"};
}

void TestGroups::searchesFreeRooms()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, free);
    issue(0, QStringLiteral("WalkIn"), QStringLiteral("Anna"));
    reserve({QStringLiteral("1-102")}, QStringLiteral("Bert"), 6, 8);
    QStringList rooms;
    QVERIFY(SearchFreeRooms(march(from, 14), march(to, 12), m_texts, &rooms));
    QCOMPARE(m_world->port.captions(), QStringList{"N9085"});
    QCOMPARE(rooms, free);
}

void TestGroups::refusesABadPeriod_data()
{
    QTest::addColumn<QDateTime>("checkIn");
    QTest::addColumn<QDateTime>("checkOut");
    QTest::newRow("starting in the past") << kNow.addSecs(-60) << march(3, 12);
    QTest::newRow("ending when it starts") << march(3, 12) << march(3, 12);
}

void TestGroups::refusesABadPeriod()
{
    QFETCH(QDateTime, checkIn);
    QFETCH(QDateTime, checkOut);
    QStringList rooms{QStringLiteral("kept")};
    QVERIFY(!SearchFreeRooms(checkIn, checkOut, m_texts, &rooms));
    QCOMPARE(m_world->port.captions(), QStringList{"N9084"});
    QCOMPARE(rooms, QStringList{"kept"});
}

void TestGroups::reservationsMarkTheirRooms()
{
    reserve({QStringLiteral("1-101")}, QStringLiteral("Cleo"), 12, 13);
    reserve({QStringLiteral("1-101"), QStringLiteral("1-102")}, QStringLiteral("Dora"), 10, 11);
    QCOMPARE(aryRoom[0].ReservCkIn, march(10, 14));
    QCOMPARE(aryRoom[1].ReservCkIn, march(10, 14));
    QCOMPARE(flags(QStringLiteral("1-101")), (QStringList{"Reservation", "Reservation"}));
    // A reservation writes no card and leaves the room as it is.
    QCOMPARE(aryRoom[0].CardCount, 0);
    QCOMPARE(aryRoom[0].Status, RoomStatusText(RoomStatus::VC));

    selectHolder(QLatin1String(kFlagReservation), QStringLiteral("Dora"));
    QStringList rooms;
    QVERIFY(ListGroupRooms(QLatin1String(kFlagReservation), curGuest, &rooms));
    QCOMPARE(rooms, (QStringList{"1-101", "1-102"}));
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(CancelReservation(rooms, QStringLiteral("Dora"), m_texts));
    QCOMPARE(m_world->port.captions(), (QStringList{"N9081", "N9082"}));
    // The earlier reservation gone, the room waits for the later one; the other room for none.
    QCOMPARE(aryRoom[0].ReservCkIn, march(12, 14));
    QCOMPARE(aryRoom[1].ReservCkIn, DateTimeZero());
    QCOMPARE(DateTimeFromSql(SqlScalar(QStringLiteral("SELECT ReservCkIn FROM RoomInfo WHERE RomID=1"))),
             march(12, 14));
    QCOMPARE(flags(QStringLiteral("1-101")), (QStringList{"Reservation", "CancelReservation"}));
}

void TestGroups::passedReservationIsReplaced()
{
    reserve({QStringLiteral("1-101")}, QStringLiteral("Cleo"), 2, 3);
    // The reservation of the 2nd has passed unused: a later one takes its place.
    m_world->clock->set(march(5, 10));
    reserve({QStringLiteral("1-101")}, QStringLiteral("Dora"), 20, 21);
    QCOMPARE(aryRoom[0].ReservCkIn, march(20, 14));
}

void TestGroups::checksAGroupInAndOut()
{
    QCOMPARE(ListVacantRooms(), (QStringList{"1-101", "1-102", "1-103"}));
    issue(0, QStringLiteral("TeamIn"), QStringLiteral("Lead"));
    issue(0, QStringLiteral("TeamIn"), QStringLiteral("Lead"));
    issue(1, QStringLiteral("TeamIn"), QStringLiteral("Lead"));
    issue(2, QStringLiteral("TeamIn"), QStringLiteral("Lead"));
    QCOMPARE(ListVacantRooms(), QStringList());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(aryRoom[i].Status, RoomStatusText(RoomStatus::OC_Team));

    selectHolder(QLatin1String(kFlagTeamIn), QStringLiteral("Lead"));
    QStringList rooms;
    QVERIFY(ListGroupRooms(QLatin1String(kFlagTeamIn), curGuest, &rooms));
    QCOMPARE(rooms, (QStringList{"1-101", "1-102", "1-103"}));
    QCOMPARE(TeamCardTotal(rooms), 4);

    m_world->port.answer(BoxAnswer::Cancel);
    QVERIFY(!CheckOutGroup(rooms, QStringLiteral("Lead"), m_texts));
    QCOMPARE(guestFlags(QStringLiteral("1=1")).count(QStringLiteral("TeamIn")), 4);
    m_world->port.clear();
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(CheckOutGroup(rooms, QStringLiteral("Lead"), m_texts));
    QCOMPARE(m_world->port.captions(), (QStringList{"N9080", "N9079"}));
    QCOMPARE(guestFlags(QStringLiteral("1=1")), QStringLiteral("CheckOut CheckOut CheckOut CheckOut"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(aryRoom[i].Status, RoomStatusText(RoomStatus::VC));
        QCOMPARE(aryRoom[i].CardCount, 0);
    }
}

void TestGroups::checksAReservationInRoomByRoom()
{
    reserve({QStringLiteral("1-101"), QStringLiteral("1-102")}, QStringLiteral("Dora"), 1, 3);
    m_world->clock->set(march(1, 15));
    selectHolder(QLatin1String(kFlagReservation), QStringLiteral("Dora"));
    for (int index : {0, 1})
        issue(index, QStringLiteral("ReservationCheckIn"), QStringLiteral("Dora"), 2);
    QCOMPARE(guestFlags(QStringLiteral("Flag='TeamIn'")), QStringLiteral("TeamIn TeamIn"));
    QCOMPARE(guestFlags(QStringLiteral("Flag='Reservation'")), QString());
    for (int index : {0, 1}) {
        QCOMPARE(aryRoom[index].Status, RoomStatusText(RoomStatus::OC_Team));
        QCOMPARE(aryRoom[index].ReservCkIn, DateTimeZero());
    }
    // The card opens the room it was issued for.
    QVERIFY(m_world->encoder->sim(QStringLiteral("show")).contains(QStringLiteral("lockArea=80020101")));
}

void TestGroups::cancelKeepsTheStayInTheRoom()
{
    issue(0, QStringLiteral("WalkIn"), QStringLiteral("Anna"));
    reserve({QStringLiteral("1-101")}, QStringLiteral("Anna"), 20, 22);
    const TRoomInfo before = aryRoom[0];
    selectHolder(QLatin1String(kFlagReservation), QStringLiteral("Anna"));
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(CancelReservation({QStringLiteral("1-101")}, QStringLiteral("Anna"), m_texts));
    QCOMPARE(flags(QStringLiteral("1-101")), (QStringList{"WalkIn", "CancelReservation"}));
    QCOMPARE(aryRoom[0].CardCount, before.CardCount);
    QCOMPARE(aryRoom[0].Status, before.Status);
    QCOMPARE(aryRoom[0].ReservCkIn, DateTimeZero());
    QCOMPARE(SqlScalar(QStringLiteral("SELECT CardCount FROM RoomInfo WHERE RomID=1")).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestGroups)
#include "tst_groups.moc"
