#include "cards/carddecode.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/staffcards/keysforstaff.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The staff-cards screen as the operator works it: the panel each kind button
// builds, the keys of the group number, F6 and the cover box, and the rights.
class TestKeysForStaff : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buildingCardNeverLooksAtTheFloorList();
    void otherKindsIssueWithoutTheFloorRight();
    void coverBox_data();
    void coverBox();
    void groupNumberKeys();
    void lostCardAsksForTheCardNumber();

private:
    // The screen shown with the kind chosen and its panel rebuilt.
    void choose(QPushButton *button);
    bool cardOnEncoderIsBlank() const;

    std::optional<TestWorld> m_world;
    std::unique_ptr<TfrmKeysForStaff> m_screen;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

} // namespace

void TestKeysForStaff::init()
{
    m_world.emplace(WorldOptions{.systemIni = "[SYSTEM]\nTiShi=152\n", .encoder = true, .clock = true,
                                 .database = Engine::SQLite});
    m_world->clock->set(kNow);
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Main Building')")));
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (2, 'Garden Wing')")));
    QVERIFY(AddRoomRow(SampleRoom(2, 4, 1, QStringLiteral("401"))));
    QVERIFY(LoadAryRoom());
    curOperator.GongHao = QStringLiteral("007");
    strQX = QString(80, u'1');
    QVERIFY(m_world->openEncoder());
}

void TestKeysForStaff::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

void TestKeysForStaff::choose(QPushButton *button)
{
    if (!m_screen->isVisible())
        m_screen->show();
    button->click();
    QTRY_VERIFY(!m_screen->Timer1->isActive());
    QCOMPARE(m_screen->grpCards->title(), button->text());
}

bool TestKeysForStaff::cardOnEncoderIsBlank() const
{
    return m_world->encoder->sim(QStringLiteral("show")).contains(QStringLiteral("\nblank\n"));
}

void TestKeysForStaff::buildingCardNeverLooksAtTheFloorList()
{
    m_screen = std::make_unique<TfrmKeysForStaff>();
    m_screen->show();
    QTRY_VERIFY(m_screen->cmbFloorNo->isVisible());
    QCOMPARE(m_screen->cmbBuildingName->currentIndex(), -1);
    m_screen->cmbBuildingName->setCurrentIndex(1);
    emit m_screen->cmbBuildingName->activated(1);
    QCOMPARE(m_screen->cmbFloorNo->count(), 1);
    QCOMPARE(m_screen->cmbFloorNo->currentIndex(), -1);
    QCOMPARE(m_screen->StaBarPanels[0]->text(), QStringLiteral("2"));
    choose(m_screen->cmdBuildingCard);
    QVERIFY(!m_screen->cmbFloorNo->isVisible());
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9054---12"});
    QCOMPARE(m_screen->StaBarPanels[1]->text(), QStringLiteral("Dai:  0"));
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(curCard.BldNo, 2);
    QCOMPARE(curCard.FlrNo, 0);
    QCOMPARE(curCard.EndTime, QDateTime(kNow.date().addDays(365), QTime(23, 59)));
}

void TestKeysForStaff::otherKindsIssueWithoutTheFloorRight()
{
    strQX[41 - 1] = u'0';
    m_screen = std::make_unique<TfrmKeysForStaff>();
    m_screen->show();
    QTRY_VERIFY(m_screen->cmbFloorNo->isVisible());
    QVERIFY(!m_screen->cmdFloorCard->isEnabled());
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList());
    QVERIFY(cardOnEncoderIsBlank());

    choose(m_screen->cmdMasterCard);
    // Master cards open deadbolted doors unless the operator says otherwise.
    QVERIFY(m_screen->chkAccessBolt->isChecked());
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9054---11"});
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(curCard.iType, 11);
    QCOMPARE(curCard.AccessBolt, 1);
}

void TestKeysForStaff::coverBox_data()
{
    QTest::addColumn<int>("tiShi");
    QTest::addColumn<bool>("shown");
    QTest::newRow("locks take the counter") << 152 << true;
    QTest::newRow("locks ignore the counter") << 156 << false;
}

void TestKeysForStaff::coverBox()
{
    QFETCH(int, tiShi);
    QFETCH(bool, shown);
    settings.TiShi = tiShi;
    m_screen = std::make_unique<TfrmKeysForStaff>();
    choose(m_screen->cmdMasterCard);
    QCOMPARE(m_screen->chkCoverCardsBefore->isVisible(), shown);
    QCOMPARE(m_screen->chkCoverCardsBefore->text(), QStringLiteral("Overwrite all the previous Master Cards"));
    QVERIFY(!m_screen->chkCoverCardsBefore->isEnabled());
    QTest::keyClick(m_screen.get(), Qt::Key_F6);
    QVERIFY(m_screen->chkCoverCardsBefore->isEnabled());
    QCOMPARE(m_screen->chkCoverCardsBefore->isVisible(), shown);
    QTest::keyClick(m_screen.get(), Qt::Key_F6);
    QVERIFY(!m_screen->chkCoverCardsBefore->isEnabled());
    choose(m_screen->cmdRecordCard);
    QVERIFY(!m_screen->grpOptions->isVisible());
    choose(m_screen->cmdCheckOutCard);
    QCOMPARE(m_screen->grpOptions->isVisible(), shown);
}

void TestKeysForStaff::groupNumberKeys()
{
    m_screen = std::make_unique<TfrmKeysForStaff>();
    choose(m_screen->cmdGroupCard);
    QCOMPARE(m_screen->lblMemo->text(), QStringLiteral("Group No."));
    QTest::keyClicks(m_screen->edtMemo, QStringLiteral("1x2 34"));
    QCOMPARE(m_screen->edtMemo->text(), QStringLiteral("123"));
    m_screen->edtMemo->selectAll();
    QTest::keyClicks(m_screen->edtMemo, QStringLiteral("7"));
    QTest::keyClick(m_screen->edtMemo, Qt::Key_Backspace);
    QTest::keyClicks(m_screen->edtMemo, QStringLiteral("25"));
    QCOMPARE(m_screen->edtMemo->text(), QStringLiteral("25"));
    // Other kinds take any memo.
    choose(m_screen->cmdRecordCard);
    QTest::keyClicks(m_screen->edtMemo, QStringLiteral("night 1234"));
    QCOMPARE(m_screen->edtMemo->text(), QStringLiteral("25night 1234"));
}

void TestKeysForStaff::lostCardAsksForTheCardNumber()
{
    m_screen = std::make_unique<TfrmKeysForStaff>();
    choose(m_screen->cmdGroupCard);
    m_screen->edtMemo->setText(QStringLiteral("12"));
    choose(m_screen->cmdBlackNameCard);
    QCOMPARE(m_screen->lblMemo->text(), QStringLiteral("Card No."));
    QCOMPARE(m_screen->edtMemo->text(), QString());
    QVERIFY(m_screen->cmdSearchCardNo->isVisible());
    QVERIFY(!m_screen->grpOptions->isVisible());
    m_screen->edtMemo->setText(QStringLiteral("6A1B2C3"));
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9052"});
    m_world->port.clear();
    m_screen->edtMemo->setText(QStringLiteral("6A1B2C3D"));
    m_screen->cmdIssueCardClick();
    QCOMPARE(m_world->port.captions(), QStringList{"N9054---4"});
    QCOMPARE(BufCardText().mid(14, 8), QStringLiteral("6A1B2C3D"));
}

QTEST_MAIN(TestKeysForStaff)
#include "tst_keysforstaff.moc"
