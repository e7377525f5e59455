#include "cards/carddecode.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/lockconfig/lockcardissue.h"
#include "screens/lockconfig/lockcardtexts.h"
#include "store/cardregister.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QTest>

// Issuing every lock configuration card on the simulated encoder from what the
// panel holds, the checks of the panel's fields, and the issue counter.
class TestLockCardIssue : public QObject {
    Q_OBJECT
private slots:
    // Every test runs on both engines.
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void issues_data();
    void issues();
    void refuses_data();
    void refuses();
    void clockCardTakesTheTimeOfWriting();
    void coverRaisesTheCounter();

private:
    LockCardFields fields(int kind, int groupOp = ClearOneGroup) const;
    bool cardOnEncoderIsBlank() const;

    std::optional<TestWorld> m_world;
    LockConfigurationTexts m_texts;
    TRoomInfo m_room;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

} // namespace

void TestLockCardIssue::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.encoder = true, .clock = true});
    QVERIFY(m_world->deliverDatabase(engine));
    m_world->clock->set(kNow);
    settings.BaoJing = 0x5A;
    settings.TiShi = 0x38;
    curOperator.GongHao = QStringLiteral("007");
    m_texts = ReadLockConfigurationTexts();
    QVERIFY(AddRoomRow(SampleRoom(1, 2, 3, QStringLiteral("203"))));
    QVERIFY(LoadAryRoom());
    m_room = aryRoom.first();
    QVERIFY(m_world->openEncoder());
}

LockCardFields TestLockCardIssue::fields(int kind, int groupOp) const
{
    LockCardFields f;
    f.kind = kind;
    f.groupOp = groupOp;
    f.typeName = kind == kGroupNoCard ? GroupOpName(groupOp) : LockKindCaption(m_texts, kind);
    f.holder = QStringLiteral("Installer");
    f.coverCaption = LockCoverCaption(m_texts, kind);
    return f;
}

bool TestLockCardIssue::cardOnEncoderIsBlank() const
{
    return m_world->encoder->sim(QStringLiteral("show")).contains(QStringLiteral("\nblank\n"));
}

void TestLockCardIssue::issues_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("groupOp");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("groupNo");
    QTest::addColumn<QString>("memo"); // what the register keeps
    QTest::newRow("system") << 0 << 0 << " first floor " << 0 << "first floor";
    QTest::newRow("room number") << 2 << 0 << "1-203" << 0 << "1-203";
    QTest::newRow("clock") << 3 << 0 << "2026-12-10 10:00:00" << 0 << "2026-12-10 10:00:00";
    QTest::newRow("clear one group") << 5 << 0 << "0" << 0 << "Clear One Group, 0";
    QTest::newRow("set one group") << 5 << 1 << "255" << 255 << "Set One Group, 255";
    QTest::newRow("clear all groups") << 5 << 2 << "" << 0 << "Clear All Groups, ";
    // The hidden field is not read, whatever it held.
    QTest::newRow("set all groups") << 5 << 3 << "999" << 0 << "Set All Groups, ";
}

void TestLockCardIssue::issues()
{
    QFETCH(int, kind);
    QFETCH(int, groupOp);
    QFETCH(QString, field);
    QFETCH(int, groupNo);
    QFETCH(QString, memo);
    LockCardFields f = fields(kind, groupOp);
    f.field = field;
    if (kind == kRoomNoCard)
        f.room = m_room;
    QCOMPARE(IssueLockCard(f, m_texts.msgSelectRoom), IssueOutcome::Issued);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9053---%1").arg(kind)});
    QCOMPARE(m_world->port.boxes().first().text, u'\n' + Common.msgIssueCardOK + QStringLiteral("\n\n") + f.typeName);
    const QString cardId = curCard.CardID;

    m_world->port.clear();
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(m_world->port.captions(), QStringList());
    QCOMPARE(curCard.CardID, cardId);
    QCOMPARE(curCard.iType, kind);
    QCOMPARE(curCard.Dai, 0);
    QCOMPARE(curCard.IssueTime, kNow);
    QCOMPARE(curCard.Holder, QStringLiteral("Installer"));
    QCOMPARE(curCard.BeiZhu, memo);
    if (kind == kSystemCard)
        QCOMPARE(CardOptionBytes(), QStringLiteral("5A38"));
    if (kind == kRoomNoCard)
        QCOMPARE(curCard.RoomName, QStringLiteral("1-203"));
    if (kind == kGroupNoCard) {
        QCOMPARE(curCard.GroupNo, groupNo);
        QCOMPARE(curCard.GroupOp, groupOp);
    }
}

void TestLockCardIssue::refuses_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("groupOp");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<QString>("caption");
    QTest::newRow("room number, no room") << 2 << 0 << "" << false << "N9049";
    // A field that shows a room without a lock number (a picker left on a
    // building without rooms) sets no lock.
    QTest::newRow("room number, no lock number") << 2 << 0 << "1-203" << false << "N9049";
    QTest::newRow("group 256") << 5 << 1 << "256" << false << "N9023";
    QTest::newRow("group empty") << 5 << 0 << "" << false << "N9023";
}

void TestLockCardIssue::refuses()
{
    QFETCH(int, kind);
    QFETCH(int, groupOp);
    QFETCH(QString, field);
    QFETCH(bool, picked);
    QFETCH(QString, caption);
    LockCardFields f = fields(kind, groupOp);
    f.field = field;
    if (picked)
        f.room = m_room;
    else
        f.room.BldRoomNo = field;
    QVERIFY(IssueLockCard(f, m_texts.msgSelectRoom) != IssueOutcome::Issued);
    QCOMPARE(m_world->port.captions(), QStringList{caption});
    QCOMPARE(m_world->port.boxes().first().icon, BoxIcon::Warning);
    QVERIFY(cardOnEncoderIsBlank());
    QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(), 0);
}

void TestLockCardIssue::clockCardTakesTheTimeOfWriting()
{
    LockCardFields f = fields(kClockCard);
    f.field = kNow.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The installer chose the kind a while before laying the card on.
    const QDateTime writing = kNow.addSecs(7 * 60);
    m_world->clock->set(writing);
    QCOMPARE(IssueLockCard(f, m_texts.msgSelectRoom), IssueOutcome::Issued);
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(curCard.IssueTime, writing);
}

void TestLockCardIssue::coverRaisesTheCounter()
{
    QVERIFY(WriteDai(kSystemCard, 4));
    LockCardFields f = fields(kSystemCard);
    f.cover = true;
    QCOMPARE(IssueLockCard(f, m_texts.msgSelectRoom), IssueOutcome::Issued);
    QCOMPARE(ReadDai(kSystemCard), 5);
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(curCard.Dai, 5);
    QCOMPARE(curCard.Status, m_texts.CoverCardsBefore_Reset);
}

QTEST_GUILESS_MAIN(TestLockCardIssue)
#include "tst_lockcardissue.moc"
