#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/receiption.h"
#include "screens/receiption/statusicons.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QBarSet>
#include <QCheckBox>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The front desk's room board on the real screen: rows, icons, counters,
// scrolling, the chart, the timers and the keys.
class TestReceiption : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rowRule_data();
    void rowRule();
    void twelveRowsScrollOneRowAtATime();
    void statusIcons_data();
    void statusIcons();
    void unknownStatusCountsAsGuest();
    void checkOutMinute_data();
    void checkOutMinute();
    void checkOutMinuteRepaintsTheBoard();
    void chartHasEightBarsAndTitleLines();
    void automaticReloadShowsRoomsAddedElsewhere();
    void closingTheChartRefreshesAChangedBoard();
    void roomClickSelectsTheRoom();
    void rightsEnableTheOperations();
    void buildingWithoutRoomsCloses();
    void escapeReturnsToTheMenu();
    void f2ShowsTheWorkingState();

private:
    // Opens the screen on building 1 with the rooms in aryRoom.
    TfrmReceiption &open();
    // Building 1 with floors 1, 2, ... holding the given numbers of rooms.
    void addFloors(const QList<int> &roomsPerFloor);

    std::optional<TestWorld> m_world;
    std::unique_ptr<TfrmReceiption> m_screen;
};

namespace {

const QDateTime kNoon(QDate(2026, 12, 10), QTime(12, 0));

QList<int> visibleSlots(const TfrmReceiption &screen)
{
    QList<int> shownSlots;
    for (int s = 0; s < screen.roomButtons.size(); ++s) {
        if (screen.roomButtons[s]->isVisible())
            shownSlots << s;
    }
    return shownSlots;
}

QStringList shownFloors(const TfrmReceiption &screen)
{
    QStringList floors;
    for (const QLabel *label : screen.floorLabels)
        floors << (label->isVisible() ? label->text() : QStringLiteral("-"));
    return floors;
}

QList<int> range(int from, int to)
{
    QList<int> values;
    for (int i = from; i <= to; ++i)
        values << i;
    return values;
}

void tick(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

} // namespace

void TestReceiption::init()
{
    m_world.emplace(WorldOptions{.clock = true, .database = Engine::SQLite});
    m_world->clock->set(kNoon.addSecs(-3600));
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main Building')"));
    strQX = QString(80, u'1');
}

void TestReceiption::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

TfrmReceiption &TestReceiption::open()
{
    m_screen = std::make_unique<TfrmReceiption>();
    m_screen->show();
    return *m_screen;
}

void TestReceiption::addFloors(const QList<int> &roomsPerFloor)
{
    for (int floor = 1; floor <= roomsPerFloor.size(); ++floor) {
        for (int room = 1; room <= roomsPerFloor[floor - 1]; ++room)
            QVERIFY(AddRoomRow(SampleRoom(1, floor, room, QString::number(floor * 100 + room))));
    }
    QVERIFY(LoadAryRoom());
}

void TestReceiption::rowRule_data()
{
    QTest::addColumn<QList<int>>("roomsPerFloor");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("shownSlots");
    QTest::addColumn<QStringList>("floors");
    const QStringList none(8, QStringLiteral("-"));
    QTest::newRow("a floor of 10 takes one row") << QList<int>{10} << 1 << range(0, 9) << (QStringList{"1", "-"} + none);
    QTest::newRow("a floor of 11 takes two, the second unlabelled")
        << QList<int>{11} << 2 << range(0, 10) << (QStringList{"1", "-"} + none);
    QTest::newRow("two floors of 3 never share a row")
        << QList<int>{3, 3} << 2 << (range(0, 2) + range(10, 12)) << (QStringList{"1", "2"} + none);
    QTest::newRow("a floor of 23 takes three rows")
        << QList<int>{23, 1} << 4 << (range(0, 22) + QList<int>{30})
        << (QStringList{"1", "-", "-", "2"} + none.mid(2));
}

void TestReceiption::rowRule()
{
    QFETCH(QList<int>, roomsPerFloor);
    QFETCH(int, rows);
    QFETCH(QList<int>, shownSlots);
    QFETCH(QStringList, floors);
    addFloors(roomsPerFloor);
    TfrmReceiption &screen = open();
    QCOMPARE(screen.boardRows(), rows);
    QCOMPARE(visibleSlots(screen), shownSlots);
    QCOMPARE(shownFloors(screen), floors);
    QVERIFY(screen.ScrlBar1->isHidden());
}

void TestReceiption::twelveRowsScrollOneRowAtATime()
{
    addFloors(QList<int>(12, 1));
    TfrmReceiption &screen = open();
    QCOMPARE(screen.boardRows(), 12);
    QVERIFY(screen.ScrlBar1->isVisible());
    QCOMPARE(screen.ScrlBar1->maximum(), 2);
    QTest::mouseClick(screen.Button2, Qt::LeftButton);
    QTest::mouseClick(screen.Button2, Qt::LeftButton);
    const QStringList lastTen = {"3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    QCOMPARE(shownFloors(screen), lastTen);
    QCOMPARE(screen.roomButtons[0]->text(), QStringLiteral("301"));
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Rows: 12, Pos: 2, Mov: 2"));
    QTest::mouseClick(screen.Button2, Qt::LeftButton);
    QCOMPARE(screen.ScrlBar1->value(), 2);
    QCOMPARE(shownFloors(screen), lastTen);
    QTest::mouseClick(screen.Button1, Qt::LeftButton);
    QCOMPARE(shownFloors(screen).first(), QStringLiteral("2"));
}

void TestReceiption::statusIcons_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("reserved");
    QTest::addColumn<int>("hoursToCheckOut"); // 0: no check-out planned
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("telephone");
    const QString vacant = Common.RoomStatus_VC;
    QTest::newRow("vacant") << vacant << false << 0 << int(BoardIcon::VC) << false;
    QTest::newRow("reserved, due out: the check-out icon with the telephone")
        << vacant << true << -1 << int(BoardIcon::TO) << true;
    QTest::newRow("due out later") << Common.RoomStatus_OC_WalkIn << false << 3 << int(BoardIcon::Guest) << false;
    QTest::newRow("group") << Common.RoomStatus_OC_Team << false << 0 << int(BoardIcon::Team) << false;
    QTest::newRow("reservation status") << Common.RoomStatus_OT << true << 0 << int(BoardIcon::Guest) << true;
    QTest::newRow("renamed status shows a guest") << QStringLiteral("Occupied") << false << 0 << int(BoardIcon::Guest)
                                                  << false;
}

void TestReceiption::statusIcons()
{
    QFETCH(QString, status);
    QFETCH(bool, reserved);
    QFETCH(int, hoursToCheckOut);
    QFETCH(int, icon);
    QFETCH(bool, telephone);
    addFloors({1});
    const QDateTime now = m_world->clock->now();
    aryRoom[0].Status = status;
    if (reserved)
        aryRoom[0].ReservCkIn = now.addDays(1);
    if (hoursToCheckOut != 0)
        aryRoom[0].FirstCkOut = now.addSecs(hoursToCheckOut * 3600);
    TfrmReceiption &screen = open();
    const RoomIcon expected{BoardIcon(icon), telephone};
    QCOMPARE(RoomIconOf(aryRoom[0], now), expected);
    QCOMPARE(screen.roomButtons[0]->icon().cacheKey(), StatusIcon(expected).cacheKey());
}

void TestReceiption::unknownStatusCountsAsGuest()
{
    addFloors({3});
    const QDateTime now = m_world->clock->now();
    aryRoom[0].Status = QStringLiteral("Occupied");
    aryRoom[1].ReservCkIn = now.addDays(1);
    aryRoom[1].FirstCkOut = now.addSecs(-60);
    TfrmReceiption &screen = open();
    const BoardCounters &counters = screen.counters();
    QCOMPARE(counters.total, 3);
    QCOMPARE(counters.byStatus[int(RoomStatus::VC)], 2);
    QCOMPARE(counters.byStatus[int(RoomStatus::OC_WalkIn)], 1);
    QCOMPARE(counters.byStatus[int(RoomStatus::OT)], 1);
    QCOMPARE(counters.byStatus[int(RoomStatus::TO)], 1);
    QCOMPARE(screen.StaBarPanels[1]->text(), QStringLiteral("Rooms:  3"));
}

void TestReceiption::checkOutMinute_data()
{
    QTest::addColumn<QString>("checkOutTime");
    QTest::addColumn<QDateTime>("previousTick");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("repaint");
    const auto at = [](int hour, int minute, int second) { return QDateTime(kNoon.date(), QTime(hour, minute, second)); };
    QTest::newRow("the tick in the minute after") << "12:00" << at(12, 0, 30) << at(12, 1, 30) << true;
    QTest::newRow("the tick in the minute itself") << "12:00" << at(11, 59, 30) << at(12, 0, 30) << false;
    QTest::newRow("the tick after that") << "12:00" << at(12, 1, 30) << at(12, 2, 30) << false;
    QTest::newRow("a late tick still repaints") << "12:00" << at(12, 0, 50) << at(12, 2, 5) << true;
    QTest::newRow("single-digit hour") << "9:30" << at(9, 30, 10) << at(9, 31, 10) << true;
    QTest::newRow("unreadable means noon") << "noon" << at(12, 0, 30) << at(12, 1, 30) << true;
    QTest::newRow("past midnight") << "23:59" << at(23, 59, 30) << at(23, 59, 30).addSecs(60) << true;
}

void TestReceiption::checkOutMinute()
{
    QFETCH(QString, checkOutTime);
    QFETCH(QDateTime, previousTick);
    QFETCH(QDateTime, now);
    QFETCH(bool, repaint);
    QCOMPARE(CheckOutRepaintDue(checkOutTime, previousTick, now), repaint);
}

void TestReceiption::checkOutMinuteRepaintsTheBoard()
{
    settings.CheckOutTime = QStringLiteral("12:00");
    addFloors({1});
    aryRoom[0].Status = Common.RoomStatus_OC_WalkIn;
    aryRoom[0].FirstCkOut = kNoon;
    TfrmReceiption &screen = open();
    const qint64 guest = StatusIcon({BoardIcon::Guest, false}).cacheKey();
    const qint64 dueOut = StatusIcon({BoardIcon::TO, false}).cacheKey();
    QVERIFY(screen.Timer2->isActive());
    QCOMPARE(screen.Timer2->interval(), 60000);
    m_world->clock->set(kNoon.addSecs(30));
    tick(screen.Timer2);
    QCOMPARE(screen.roomButtons[0]->icon().cacheKey(), guest);
    m_world->clock->set(kNoon.addSecs(90));
    tick(screen.Timer2);
    QCOMPARE(screen.roomButtons[0]->icon().cacheKey(), dueOut);
    // Once a day: a change after the repaint waits for the next reason to paint.
    aryRoom[0].FirstCkOut = DateTimeZero();
    m_world->clock->set(kNoon.addSecs(150));
    tick(screen.Timer2);
    QCOMPARE(screen.roomButtons[0]->icon().cacheKey(), dueOut);
}

void TestReceiption::chartHasEightBarsAndTitleLines()
{
    addFloors({2});
    TfrmReceiption &screen = open();
    QCOMPARE(screen.chartTitleLines(), (QStringList{"Main", "Building"}));
    QCOMPARE(ChartTitleLines(QStringLiteral("East,Wing  B")), (QStringList{"East", "Wing", "B"}));
    const auto series = screen.Chart1->chart()->series();
    QCOMPARE(series.size(), 1);
    const QList<QBarSet *> bars = static_cast<QStackedBarSeries *>(series.first())->barSets();
    QCOMPARE(bars.size(), 8);
    QCOMPARE(bars[0]->label(), Common.RoomStatus_VC);
    QCOMPARE(bars[0]->at(0), 2.0);
    QCOMPARE(bars[0]->color(), QColor(0x00, 0xFF, 0x00));
    QCOMPARE(bars[7]->color(), QColor(0x80, 0x00, 0x80));

    QTest::mouseClick(screen.cmdDispChart, Qt::LeftButton);
    QVERIFY(screen.Chart1->isVisible());
    QCOMPARE(curMenu, QStringLiteral("DispChart"));
    QTest::mouseClick(screen.cmdDispChart, Qt::LeftButton);
    QVERIFY(!screen.Chart1->isVisible());
    QCOMPARE(curMenu, QStringLiteral("Receiption"));
}

void TestReceiption::automaticReloadShowsRoomsAddedElsewhere()
{
    addFloors({1});
    TfrmReceiption &screen = open();
    for (int floor = 2; floor <= 12; ++floor)
        QVERIFY(AddRoomRow(SampleRoom(1, floor, 1, QString::number(floor * 100 + 1))));
    QCOMPARE(screen.Timer3->interval(), 10000);
    tick(screen.Timer3);
    QCOMPARE(screen.boardRows(), 1);
    screen.CheckBox2->setChecked(true);
    tick(screen.Timer3);
    QCOMPARE(screen.boardRows(), 12);
    QCOMPARE(screen.StaBarPanels[1]->text(), QStringLiteral("Rooms:  12"));
    QVERIFY(screen.ScrlBar1->isVisible());
    QCOMPARE(screen.ScrlBar1->maximum(), 2);
    QCOMPARE(shownFloors(screen).last(), QStringLiteral("10"));
}

void TestReceiption::closingTheChartRefreshesAChangedBoard()
{
    addFloors({2});
    TfrmReceiption &screen = open();
    QTest::mouseClick(screen.cmdDispChart, Qt::LeftButton);
    aryRoom[1].Status = Common.RoomStatus_OO;
    isNeedRefreshRooms = true;
    QTest::mouseClick(screen.cmdDispChart, Qt::LeftButton);
    QVERIFY(screen.Timer1->isActive());
    tick(screen.Timer1);
    QVERIFY(!isNeedRefreshRooms);
    QCOMPARE(screen.counters().byStatus[int(RoomStatus::OO)], 1);
    QCOMPARE(screen.roomButtons[1]->icon().cacheKey(), StatusIcon({BoardIcon::OO, false}).cacheKey());
}

void TestReceiption::roomClickSelectsTheRoom()
{
    addFloors({1, 2});
    TfrmReceiption &screen = open();
    QToolButton *button = screen.roomButtons[11];
    QVERIFY(button->toolTip().startsWith(QStringLiteral("001002002\nMain Building\n")));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(curRoom.LockNo, QStringLiteral("001002002"));
    QCOMPARE(curRoom.BldRoomNo, QStringLiteral("1-202"));
    QCOMPARE(ptrAryRoom, 2);
    // The room opens in the walk-in panel, which shows its guests.
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Room: 1-202, Guests: 0 / 0"));
}

void TestReceiption::rightsEnableTheOperations()
{
    addFloors({1});
    strQX = QStringLiteral("11111111111011111");
    TfrmReceiption &screen = open();
    QVERIFY(screen.cmdModiRoomStatus->isEnabled());
    QVERIFY(!screen.cmdWalkIn->isEnabled());
    QVERIFY(!screen.cmdChange->isEnabled());
    QVERIFY(!screen.cmdPostponed->isEnabled());
    QVERIFY(screen.cmdTeamIn->isEnabled());
    QVERIFY(screen.cmdReservation->isEnabled());
    QVERIFY(screen.cmdCardInfo->isEnabled());
}

void TestReceiption::buildingWithoutRoomsCloses()
{
    QVERIFY(LoadAryRoom());
    TfrmReceiption &screen = open();
    QVERIFY(m_world->port.captions().contains(QStringLiteral("N9073")));
    QTRY_VERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
}

void TestReceiption::escapeReturnsToTheMenu()
{
    addFloors({1});
    TfrmReceiption &screen = open();
    QCOMPARE(screen.cmdExit->text(), QStringLiteral("Return[&X]"));
    QTest::keyClick(screen.roomButtons[0], Qt::Key_Escape);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
}

void TestReceiption::f2ShowsTheWorkingState()
{
    addFloors({1});
    settings.dlsCoID = 0x1A2B;
    TfrmReceiption &screen = open();
    m_world->port.forgetBoxes();
    QTest::keyClick(&screen, Qt::Key_F2);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("Var on Receiption")});
    const QString text = m_world->port.boxes().first().text;
    QVERIFY2(text.startsWith(QStringLiteral("curMenu = Receiption\ncurBld.BldNo = 1\ncurBldNoName = 1,Main Building\n")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nisNeedRefreshRooms = 0\n")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("\ndlsCoID = $001A2B")), qPrintable(text));
}

QTEST_MAIN(TestReceiption)
#include "tst_receiption.moc"
