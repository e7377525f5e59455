#include "core/state.h"
#include "screens/reports/cardpicker.h"
#include "screens/reports/reportexport.h"
#include "screens/reports/reportmodel.h"
#include "screens/reports/reports.h"
#include "store/cardregister.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QApplication>

// The reports screen as the operator uses it: marks, the card picker, the
// export button and the door report's room.
class TestReports : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void deleteTogglesTheMark();
    void cardPickerReturnsTheClickedCard();
    void exportDisablesTheButtonUntilTheReportChanges();
    void doorReportNamesTheRoom();

private:
    TfrmReports &open();
    void clickRow(int row);

    std::optional<TestWorld> m_world;
    std::unique_ptr<TfrmReports> m_screen;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));
// A guest card of room 1-101 issued at kNow, ending two days later.
const QString kGuestCard = QStringLiteral("1122334400010101" "0061" "CC5280" "CC6280");

} // namespace

void TestReports::init()
{
    m_world.emplace(WorldOptions{.clock = true, .database = Engine::SQLite});
    m_world->clock->set(kNow);
    QVERIFY(AddRoomRow(SampleRoom(1, 1, 1, QStringLiteral("101"))));
    QVERIFY(LoadAryRoom());
    QVERIFY(QSqlQuery(Db()).exec(QStringLiteral("INSERT INTO CardInfo VALUES(1,'%1','Anna','007','','')").arg(kGuestCard)));
    strQX = QString(80, u'1');
    curMenu = QStringLiteral("Reports");
}

void TestReports::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

TfrmReports &TestReports::open()
{
    m_screen = std::make_unique<TfrmReports>();
    m_screen->show();
    return *m_screen;
}

void TestReports::clickRow(int row)
{
    QTableView *grid = m_screen->GridReport;
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void TestReports::deleteTogglesTheMark()
{
    TfrmReports &screen = open();
    QCOMPARE(screen.model()->rowCount(), 1);
    QCOMPARE(screen.StatusPanel0->text(), QStringLiteral("Row: 0 / 1"));
    clickRow(0);
    QTest::keyClick(screen.GridReport, Qt::Key_Delete);
    QCOMPARE(screen.model()->table().rows[0][0], QStringLiteral("x"));
    QTest::keyClick(screen.GridReport, Qt::Key_Delete);
    QCOMPARE(screen.model()->table().rows[0][0], QString());
    QTest::keyClick(screen.GridReport, Qt::Key_Delete);
    m_world->port.answer(BoxAnswer::Ok);
    screen.cmdDel->click();
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9057")});
    QCOMPARE(screen.model()->rowCount(), 0);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(), 0);
}

void TestReports::cardPickerReturnsTheClickedCard()
{
    QString picked = QStringLiteral("unset");
    QTimer::singleShot(0, this, [this] {
        auto *picker = qobject_cast<TfrmReports *>(QApplication::activeModalWidget());
        QVERIFY(picker);
        QVERIFY(!picker->cmbReport->isEnabled());
        QVERIFY(picker->cmdDel->isHidden() && picker->cmdExcel->isHidden() && picker->cmdUpLoad->isHidden());
        QCOMPARE(picker->GridReport->selectionBehavior(), QAbstractItemView::SelectRows);
        const QRect cell = picker->GridReport->visualRect(picker->model()->index(0, 3));
        QTest::mouseClick(picker->GridReport->viewport(), Qt::LeftButton, {}, cell.center());
        picker->cmdExit->click();
    });
    picked = PickCardFromReports(nullptr);
    QCOMPARE(picked, kGuestCard.mid(18, 8));
    QVERIFY(!isSearchCardNo);

    // Closed without a click: no card.
    QTimer::singleShot(0, this, [] { qobject_cast<TfrmReports *>(QApplication::activeModalWidget())->cmdExit->click(); });
    QCOMPARE(PickCardFromReports(nullptr), QString());
}

void TestReports::exportDisablesTheButtonUntilTheReportChanges()
{
    TfrmReports &screen = open();
    QVERIFY(screen.cmdExcel->isEnabled());
    screen.cmdExcel->click();
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("E0049")});
    QVERIFY(screen.cmdExcel->isEnabled());
    QString error;
    QVERIFY(CreateMissingReportWorkbooks(&error));
    screen.cmdExcel->click();
    QCOMPARE(m_world->port.captions().last(), QStringLiteral("N9059"));
    QCOMPARE(screen.StatusPanel1->text(), QStringLiteral("Excel Row: 1 --> 3"));
    QVERIFY(!screen.cmdExcel->isEnabled());
    screen.cmdOption->click();
    screen.cmdOK->click();
    QVERIFY(!screen.cmdExcel->isEnabled());
    screen.cmbReport->setCurrentIndex(1);
    QVERIFY(screen.cmdExcel->isEnabled());
}

void TestReports::doorReportNamesTheRoom()
{
    QVERIFY(InsertRecordOpen(2, QStringLiteral("0001010100000000"), DateTimeZero()));
    TfrmReports &screen = open();
    screen.cmbReport->setCurrentIndex(2);
    QVERIFY(screen.lblRoomNo->isVisible());
    QCOMPARE(screen.lblRoomNo->text(), QStringLiteral("1-101"));
    QVERIFY(screen.cmdUpLoad->isVisible());
    QVERIFY(!screen.cmdDel->isVisible());
    QVERIFY(!screen.gbCheckIn->isVisibleTo(&screen));
    // A star is cleared by Delete, never acted on.
    clickRow(0);
    QTest::keyClick(screen.GridReport, Qt::Key_Delete);
    QCOMPARE(screen.model()->table().rows[0][0], QString());
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
