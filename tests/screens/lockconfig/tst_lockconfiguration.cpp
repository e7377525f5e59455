#include "cards/carddecode.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/lockconfig/lockconfiguration.h"
#include "support/testworld.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The lock-configuration screen as the installer works it: the group
// operations, the running clock field, F1 and F5, the room check and the rights.
class TestLockConfiguration : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void setAllGroupsAsksForNoNumber();
    void clockFieldRunsWhileTheClockCardIsChosen();
    void functionKeys();
    void roomNumberCardNeedsAPickedRoom();
    void otherKindsIssueWithoutTheSystemCardRight();

private:
    void show();
    void chooseGroupOperation(int groupOp);

    std::optional<TestWorld> m_world;
    std::unique_ptr<TfrmLockConfiguration> m_screen;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

} // namespace

void TestLockConfiguration::init()
{
    m_world.emplace(WorldOptions{.systemIni = "[SYSTEM]\nTiShi=152\n", .encoder = true, .clock = true,
                                 .database = Engine::SQLite});
    m_world->clock->set(kNow);
    curOperator.GongHao = QStringLiteral("007");
    strQX = QString(80, u'1');
    QVERIFY(m_world->openEncoder());
}

void TestLockConfiguration::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

void TestLockConfiguration::show()
{
    m_screen = std::make_unique<TfrmLockConfiguration>();
    m_screen->show();
    QTRY_COMPARE(m_screen->grpCards->title(), QStringLiteral("System Card"));
}

void TestLockConfiguration::chooseGroupOperation(int groupOp)
{
    m_screen->groupOperations[groupOp]->trigger();
    QTRY_VERIFY(!m_screen->Timer1->isActive());
    QCOMPARE(m_screen->grpCards->title(), QStringLiteral("GroupNo. Setting Card"));
}

void TestLockConfiguration::setAllGroupsAsksForNoNumber()
{
    show();
    chooseGroupOperation(SetOneGroup);
    QVERIFY(m_screen->Edit1->isVisible());
    QTest::keyClicks(m_screen->Edit1, QStringLiteral("4a567"));
    QCOMPARE(m_screen->Edit1->text(), QStringLiteral("456"));
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9023"});
    m_world->port.clear();

    chooseGroupOperation(SetAllGroups);
    QVERIFY(m_screen->groupOperations[SetAllGroups]->isChecked());
    QVERIFY(m_screen->Label3->isVisible());
    QCOMPARE(m_screen->Label3->text(), QStringLiteral("Set All Groups"));
    QVERIFY(!m_screen->Edit1->isVisible());
    QVERIFY(!m_screen->Label2->isVisible());
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9053---5"});
    QCOMPARE(m_screen->StaBarPanels[0]->text(), QStringLiteral("Set All Groups"));
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(curCard.GroupOp, int(SetAllGroups));
    QCOMPARE(curCard.BeiZhu, QStringLiteral("Set All Groups, "));
}

void TestLockConfiguration::clockFieldRunsWhileTheClockCardIsChosen()
{
    show();
    m_screen->cmdClockSetting->click();
    QTRY_COMPARE(m_screen->Edit1->text(), QStringLiteral("2026-12-10 10:00:00"));
    QVERIFY(!m_screen->Edit1->isEnabled());
    QVERIFY(m_screen->Timer2->isActive());
    m_world->clock->set(kNow.addSecs(5));
    QTRY_COMPARE(m_screen->Edit1->text(), QStringLiteral("2026-12-10 10:00:05"));
    m_screen->cmdResetCard->click();
    QTRY_VERIFY(m_screen->Edit1->isEnabled());
    QVERIFY(!m_screen->Timer2->isActive());
    QCOMPARE(m_screen->Edit1->text(), QString());
}

void TestLockConfiguration::functionKeys()
{
    show();
    QVERIFY(m_screen->chkCover->isVisible());
    QVERIFY(m_screen->chkCover->isEnabled());
    QTest::keyClick(m_screen.get(), Qt::Key_F5);
    QVERIFY(!m_screen->chkCover->isVisible());
    QTest::keyClick(m_screen.get(), Qt::Key_F5);
    QVERIFY(m_screen->chkCover->isVisible());
    m_screen->cmdClockSetting->click();
    QTRY_COMPARE(m_screen->grpCards->title(), QStringLiteral("Clock Setting Card"));
    QTest::keyClick(m_screen.get(), Qt::Key_F1);
    QTRY_COMPARE(m_screen->grpCards->title(), QStringLiteral("System Card"));
    QCOMPARE(curCard.iType, 0);
}

void TestLockConfiguration::roomNumberCardNeedsAPickedRoom()
{
    // A room served elsewhere is not the room of this card.
    curRoom.BldRoomNo = QStringLiteral("1-101");
    curRoom.LockNo = QStringLiteral("001001001");
    show();
    m_screen->cmdRoomNoSetting->click();
    QTRY_VERIFY(m_screen->cmdSearchRoomNo->isVisible());
    QVERIFY(!m_screen->Edit1->isEnabled());
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9049"});
    QCOMPARE(m_world->port.boxes().first().text, QStringLiteral("Please Select Room(s) Correctly"));
}

void TestLockConfiguration::otherKindsIssueWithoutTheSystemCardRight()
{
    strQX[31 - 1] = u'0';
    show();
    QVERIFY(!m_screen->cmdResetCard->isEnabled());
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList());
    m_screen->cmdClockSetting->click();
    QTRY_COMPARE(m_screen->grpCards->title(), QStringLiteral("Clock Setting Card"));
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9053---3"});
}

QTEST_MAIN(TestLockConfiguration)
#include "tst_lockconfiguration.moc"
