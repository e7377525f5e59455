#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/stayrules.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QTest>

// The guest panel's rules for the room number, the stay and the cover box.
class TestStayRules : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(); }
    void cleanup() { m_world.reset(); }
    void roomNumberEntry_data();
    void roomNumberEntry();
    void stayEndAndPrice_data();
    void stayEndAndPrice();
    void stayLengthOfAnExistingStay();
    void boxesFollowTheRoomStatus_data();
    void boxesFollowTheRoomStatus();

private:
    std::optional<TestWorld> m_world;
};

namespace {

const QDateTime kBase(QDate(2026, 12, 10), QTime(10, 30));

TRoomInfo hourRoom()
{
    TRoomInfo room = SampleRoom(2, 3, 5, QStringLiteral("305"));
    room.HourRateStartup = Currency::fromWhole(50);
    room.HourRatePrice = Currency::parse(QStringLiteral("20.25")).value();
    return room;
}

} // namespace

void TestStayRules::roomNumberEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::newRow("a room of the building") << " 305 " << "2-305" << true;
    QTest::newRow("a full room key") << "2-305" << "2-305" << true;
    QTest::newRow("a leading dash is no separator") << "-305" << "2--305" << false;
    QTest::newRow("a trailing dash is no separator") << "305-" << "2-305-" << false;
    QTest::newRow("another building's key") << "1-305" << "1-305" << false;
}

void TestStayRules::roomNumberEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(bool, found);
    aryRoom = {hourRoom()};
    lenAryRoom = 1;
    QCOMPARE(EnteredRoomKey(typed, 2), key);
    QCOMPARE(GetPointerOfAryRoom(ByBldRoomNo, key) == 0, found);
    QCOMPARE(EnteredRoomKey(QStringLiteral("  "), 2), QString());
}

void TestStayRules::stayEndAndPrice_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("hourRate");
    QTest::addColumn<bool>("vip");
    QTest::addColumn<QString>("checkOutTime");
    QTest::addColumn<QDateTime>("checkOut");
    QTest::addColumn<QString>("price");
    const QDate today = kBase.date();
    QTest::newRow("one day") << 1 << false << false << "12:00" << QDateTime(today.addDays(1), QTime(12, 0)) << "288";
    QTest::newRow("length 0 ends today, before now") << 0 << false << false << "10:00" << QDateTime(today, QTime(10, 0))
                                                     << "0";
    QTest::newRow("three days, VIP") << 3 << false << true << "12:00" << QDateTime(today.addDays(3), QTime(14, 0))
                                     << "864";
    QTest::newRow("a check-out time that is no time") << 1 << false << false << "noon"
                                                      << QDateTime(today.addDays(1), QTime(12, 0)) << "288";
    QTest::newRow("hour rate, 3 hours") << 3 << true << false << "12:00" << kBase.addSecs(3 * 3600) << "90.5";
    QTest::newRow("hour rate, 1 hour") << 1 << true << true << "12:00" << kBase.addSecs(3600) << "50";
}

void TestStayRules::stayEndAndPrice()
{
    QFETCH(int, n);
    QFETCH(bool, hourRate);
    QFETCH(bool, vip);
    QFETCH(QString, checkOutTime);
    QFETCH(QDateTime, checkOut);
    QFETCH(QString, price);
    settings.CheckOutTime = checkOutTime;
    settings.VIPCheckOutTime = QStringLiteral("14:00");
    const StayEnd end = StayOf(n, hourRate, vip, kBase, hourRoom());
    QCOMPARE(end.checkOut, checkOut);
    QCOMPARE(end.price.toString(), price);
}

void TestStayRules::stayLengthOfAnExistingStay()
{
    QCOMPARE(StayDays(QDateTime(QDate(2026, 3, 1), QTime(18, 0)), QDateTime(QDate(2026, 3, 3), QTime(12, 0))), 2);
    QCOMPARE(StayDays(QDateTime(QDate(2026, 3, 1), QTime(1, 0)), QDateTime(QDate(2026, 3, 1), QTime(23, 0))), 0);
}

void TestStayRules::boxesFollowTheRoomStatus_data()
{
    QTest::addColumn<RoomStatus>("status");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("hourRate");
    QTest::addColumn<QString>("offered");
    QTest::newRow("vacant") << RoomStatus::VC << true << false << "288";
    QTest::newRow("reserved") << RoomStatus::OT << true << false << "288";
    QTest::newRow("occupied") << RoomStatus::OC_WalkIn << false << false << "288";
    QTest::newRow("cleaning") << RoomStatus::VD << false << false << "288";
    QTest::newRow("hour-rate use") << RoomStatus::OH << false << true << "70.25";
}

void TestStayRules::boxesFollowTheRoomStatus()
{
    QFETCH(RoomStatus, status);
    QFETCH(bool, cover);
    QFETCH(bool, hourRate);
    QFETCH(QString, offered);
    TRoomInfo room = hourRoom();
    room.Status = RoomStatusText(status);
    QCOMPARE(CoverTickedFor(room), cover);
    QCOMPARE(HourRateTickedFor(room), hourRate);
    QCOMPARE(OfferedPrice(room, HourRateTickedFor(room)).toString(), offered);
}

QTEST_GUILESS_MAIN(TestStayRules)
#include "tst_stayrules.moc"
