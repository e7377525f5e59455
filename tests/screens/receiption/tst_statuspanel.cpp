#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/receiption.h"
#include "screens/receiption/statusicons.h"
#include "screens/receiption/statuspanel.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The status-setting panel on the real front desk: opening it from the board
// or the walk-in panel, marking rooms, changing the building, setting a status
// and the board after the panel closes.
class TestStatusPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opening_data();
    void opening();
    void marking_data();
    void marking();
    void buildingChangeClearsTheMarks();
    void settingAStatusShowsOnTheBoardAfterClosing();
    void maintenanceMemo_data();
    void maintenanceMemo();

private:
    TfrmReceiption &open();
    QToolButton *roomButton(const QString &roomNo) const;
    StatusPanel &panel() const { return *m_screen->Panel3; }
    QStringList marks() const;

    std::optional<TestWorld> m_world;
    std::unique_ptr<TfrmReceiption> m_screen;
};

namespace {

void tick(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

// A double-click on a cell, as the window system delivers it: press,
// release, then the double-click and its release.
void doubleClick(QTableWidget *grid, int row, int column)
{
    QWidget *viewport = grid->viewport();
    const QPointF at = grid->visualRect(grid->model()->index(row, column)).center();
    const QPointF global = viewport->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

} // namespace

void TestStatusPanel::init()
{
    m_world.emplace(WorldOptions{.database = Engine::SQLite});
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main Building')"));
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (2, 'East Wing')"));
    for (int romId = 1; romId <= 3; ++romId)
        QVERIFY(AddRoomRow(SampleRoom(1, 2, romId, QString::number(200 + romId))));
    for (int romId = 1; romId <= 2; ++romId)
        QVERIFY(AddRoomRow(SampleRoom(2, 1, romId, QString::number(100 + romId))));
    QVERIFY(LoadAryRoom());
    strQX = QString(80, u'1');
}

void TestStatusPanel::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

TfrmReceiption &TestStatusPanel::open()
{
    m_screen = std::make_unique<TfrmReceiption>();
    m_screen->show();
    return *m_screen;
}

QToolButton *TestStatusPanel::roomButton(const QString &roomNo) const
{
    for (QToolButton *button : m_screen->roomButtons) {
        if (button->isVisible() && button->text() == roomNo)
            return button;
    }
    return nullptr;
}

QStringList TestStatusPanel::marks() const
{
    QStringList shown;
    for (int row = 0; row < panel().GridRoomStatus->rowCount(); ++row)
        shown << panel().GridRoomStatus->item(row, 0)->text();
    return shown;
}

void TestStatusPanel::opening_data()
{
    QTest::addColumn<bool>("fromWalkIn");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("from the board") << false << QStringList(3, QString()) << -1;
    QTest::newRow("from the walk-in panel of 1-203") << true << QStringList{"", "", "?"} << 2;
}

void TestStatusPanel::opening()
{
    QFETCH(bool, fromWalkIn);
    QFETCH(QStringList, marks);
    QFETCH(int, currentRow);
    TfrmReceiption &screen = open();
    if (fromWalkIn) {
        QTest::mouseClick(roomButton("203"), Qt::LeftButton);
        QCOMPARE(curMenu, QStringLiteral("WalkIn"));
    }
    QTest::mouseClick(screen.cmdModiRoomStatus, Qt::LeftButton);
    QCOMPARE(screen.boardArea->currentWidget(), &panel());
    QCOMPARE(curMenu, QStringLiteral("ModiRoomStatus"));
    QCOMPARE(screen.StaBarPanels[2]->text(), QStringLiteral("Room Status Setting"));
    QCOMPARE(this->marks(), marks);
    QCOMPARE(panel().GridRoomStatus->currentRow(), currentRow);
    QCOMPARE(panel().GridRoomStatus->item(2, 5)->text(), QStringLiteral("001002003"));
    QCOMPARE(panel().GridRoomStatus->horizontalHeaderItem(1)->text(), QStringLiteral("Floor No."));

    // A second press closes it again.
    QTest::mouseClick(screen.cmdModiRoomStatus, Qt::LeftButton);
    QCOMPARE(screen.boardArea->currentIndex(), 0);
    QCOMPARE(curMenu, QStringLiteral("Receiption"));
    QCOMPARE(screen.StaBarPanels[2]->text(), QStringLiteral("Receiption"));
}

void TestStatusPanel::marking_data()
{
    QTest::addColumn<QString>("keys"); // D double-click, E Enter, d Shift+Down, u Shift+Up, v Down
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("double-click marks") << "D" << QStringList{"?", "", ""} << 0;
    QTest::newRow("double-click again unmarks") << "DD" << QStringList(3, QString()) << 0;
    QTest::newRow("Enter marks, after a plain move") << "vE" << QStringList{"", "?", ""} << 1;
    QTest::newRow("Shift+Down marks the row it leaves") << "dd" << QStringList{"?", "?", ""} << 2;
    QTest::newRow("Shift+Up back unmarks") << "dEuu" << QStringList{"", "", ""} << 0;
}

void TestStatusPanel::marking()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, marks);
    QFETCH(int, currentRow);
    TfrmReceiption &screen = open();
    QTest::mouseClick(screen.cmdModiRoomStatus, Qt::LeftButton);
    QTableWidget *grid = panel().GridRoomStatus;
    grid->setCurrentCell(0, 2);
    for (const QChar key : keys) {
        switch (key.toLatin1()) {
        case 'D': doubleClick(grid, grid->currentRow(), 2); break;
        case 'E': QTest::keyClick(grid, Qt::Key_Return); break;
        case 'd': QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier); break;
        case 'u': QTest::keyClick(grid, Qt::Key_Up, Qt::ShiftModifier); break;
        case 'v': QTest::keyClick(grid, Qt::Key_Down); break;
        }
    }
    QCOMPARE(this->marks(), marks);
    QCOMPARE(grid->currentRow(), currentRow);
    // Enter stays in the grid: the panel is still open.
    QCOMPARE(screen.boardArea->currentWidget(), &panel());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 1)).center());
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Row: 2 / 3"));
}

void TestStatusPanel::buildingChangeClearsTheMarks()
{
    TfrmReceiption &screen = open();
    QTest::mouseClick(screen.cmdModiRoomStatus, Qt::LeftButton);
    QTableWidget *grid = panel().GridRoomStatus;
    grid->setCurrentCell(0, 2);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(marks(), (QStringList{"?", "", ""}));
    screen.cmbBuildingName->setCurrentIndex(1);
    emit screen.cmbBuildingName->activated(1);
    QCOMPARE(marks(), (QStringList{"", ""}));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("101"));
    QCOMPARE(grid->item(1, 5)->text(), QStringLiteral("002001002"));
    QCOMPARE(screen.boardArea->currentWidget(), &panel());
}

void TestStatusPanel::settingAStatusShowsOnTheBoardAfterClosing()
{
    TfrmReceiption &screen = open();
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    const qint64 vacant = StatusIcon({BoardIcon::VC, false}).cacheKey();
    const qint64 cleaning = StatusIcon({BoardIcon::VD, false}).cacheKey();
    QTest::mouseClick(screen.cmdModiRoomStatus, Qt::LeftButton);
    QTableWidget *grid = panel().GridRoomStatus;
    grid->setCurrentCell(0, 2);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    m_world->port.answer(BoxAnswer::Ok);
    m_world->port.answer(BoxAnswer::Ok);
    QTest::mouseClick(panel().BitBtnVD, Qt::LeftButton);
    QCOMPARE(m_world->port.captions(), (QStringList{"N9071", "N9071"}));
    QCOMPARE(marks(), (QStringList{"->", "->", ""}));
    QCOMPARE(grid->item(0, 4)->text(), Common.RoomStatus_VD);
    QCOMPARE(grid->item(2, 4)->text(), Common.RoomStatus_VC);
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Cleaning Room: 2   "));
    QCOMPARE(QApplication::focusWidget(), grid);
    // The board waits for the panel to close.
    QCOMPARE(screen.roomButtons[0]->icon().cacheKey(), vacant);

    QTest::mouseClick(panel().cmdCloseModiRoomStatus, Qt::LeftButton);
    QCOMPARE(screen.boardArea->currentIndex(), 0);
    QCOMPARE(curMenu, QStringLiteral("Receiption"));
    QVERIFY(screen.Timer1->isActive());
    tick(screen.Timer1);
    QCOMPARE(screen.roomButtons[0]->icon().cacheKey(), cleaning);
    QCOMPARE(screen.roomButtons[1]->icon().cacheKey(), cleaning);
    QCOMPARE(screen.roomButtons[2]->icon().cacheKey(), vacant);
    QCOMPARE(screen.counters().byStatus[int(RoomStatus::VD)], 2);
}

void TestStatusPanel::maintenanceMemo_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("status");
    const QString outOfOrder = QStringLiteral("Maintenance");
    QTest::newRow("trimmed") << true << QStringLiteral("  pipe burst ") << QStringLiteral("pipe burst") << outOfOrder;
    QTest::newRow("cut to 100") << true << QString(120, u'x') << QString(100, u'x') << outOfOrder;
    QTest::newRow("cancelled") << false << QString() << QString() << QStringLiteral("Vacant");
}

void TestStatusPanel::maintenanceMemo()
{
    QFETCH(bool, typed);
    QFETCH(QString, input);
    QFETCH(QString, memo);
    QFETCH(QString, status);
    TfrmReceiption &screen = open();
    QTest::mouseClick(screen.cmdModiRoomStatus, Qt::LeftButton);
    panel().GridRoomStatus->setCurrentCell(1, 2);
    QTest::keyClick(panel().GridRoomStatus, Qt::Key_Return);
    if (typed)
        m_world->port.input(input);
    else
        m_world->port.cancelInput();
    QTest::mouseClick(panel().BitBtnOO, Qt::LeftButton);
    QCOMPARE(m_world->port.prompts(), QStringList{QStringLiteral("Please enter the maintenance information\n")});
    QCOMPARE(m_world->port.captions(), QStringList());
    QCOMPARE(aryRoom[1].Status, status);
    QCOMPARE(aryRoom[1].BeiZhu, memo);
    QCOMPARE(marks()[1], typed ? QStringLiteral("->") : QStringLiteral("?"));
}

QTEST_MAIN(TestStatusPanel)
#include "tst_statuspanel.moc"
