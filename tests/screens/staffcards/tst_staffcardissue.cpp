#include "cards/carddecode.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/staffcards/staffcardissue.h"
#include "screens/staffcards/staffcardtexts.h"
#include "store/cardregister.h"
#include "support/testworld.h"

#include <QTest>

// Issuing every staff card on the simulated encoder from what the panel holds,
// the checks of the panel's fields, and the issue counter with the cover box.
class TestStaffCardIssue : public QObject {
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
    void coverRaisesTheCounter_data();
    void coverRaisesTheCounter();

private:
    StaffCardFields fields(int kind) const;
    bool cardOnEncoderIsBlank() const;
    int registered() const { return SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(); }

    std::optional<TestWorld> m_world;
    KeysForStaffTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

} // namespace

void TestStaffCardIssue::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.encoder = true, .clock = true});
    QVERIFY(m_world->deliverDatabase(engine));
    m_world->clock->set(kNow);
    curOperator.GongHao = QStringLiteral("007");
    m_texts = ReadKeysForStaffTexts();
    QVERIFY(m_world->openEncoder());
}

// The panel of the kind as the screen offers it, with a holder typed.
StaffCardFields TestStaffCardIssue::fields(int kind) const
{
    const StaffPanel panel = StaffPanelOf(kind, settings.TiShi);
    StaffCardFields f;
    f.kind = kind;
    f.typeName = StaffKindCaption(m_texts, kind);
    f.holder = QStringLiteral("  Housekeeping  ");
    f.expiry = kNow.date().addDays(panel.expiryDays);
    f.publicDoor = panel.boltTicked;
    f.accessBolt = panel.boltTicked;
    f.coverCaption = StaffCoverCaption(m_texts, kind);
    return f;
}

bool TestStaffCardIssue::cardOnEncoderIsBlank() const
{
    return m_world->encoder->sim(QStringLiteral("show")).contains(QStringLiteral("\nblank\n"));
}

void TestStaffCardIssue::issues_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("bldNo");
    QTest::addColumn<int>("flrNo");
    QTest::addColumn<bool>("accessBolt");
    QTest::addColumn<int>("groupNo");       // on the card: group number, or floor for a floor card
    QTest::addColumn<QString>("lockArea");  // characters 15-22 of the read buffer; empty: not compared
    QTest::addColumn<QDateTime>("endTime"); // the zero date for kinds without one

    const QDateTime none = DateTimeZero();
    const QTime lastMinute(23, 59);
    QTest::newRow("floor") << 13 << "spare" << 1 << 2 << false << 2 << "" << QDateTime(kNow.date().addDays(30), lastMinute);
    QTest::newRow("building") << 12 << "" << 3 << 0 << false << 0 << "" << QDateTime(kNow.date().addDays(365), lastMinute);
    QTest::newRow("master, bolt ticked") << 11 << "" << 0 << 0 << true << 0 << "" << QDateTime(kNow.date().addDays(365), lastMinute);
    QTest::newRow("emergency, bolt unticked") << 10 << "" << 0 << 0 << false << 0 << "" << QDateTime(kNow.date().addDays(365), lastMinute);
    QTest::newRow("group 0") << 8 << "0" << 0 << 0 << false << 0 << "" << QDateTime(kNow.date().addDays(365), lastMinute);
    QTest::newRow("group 255") << 8 << "255" << 0 << 0 << true << 255 << "" << QDateTime(kNow.date().addDays(365), lastMinute);
    QTest::newRow("record") << 1 << "night audit" << 0 << 0 << false << 0 << "" << none;
    QTest::newRow("black name, lower case") << 4 << " 6a1b2c3d " << 0 << 0 << false << 0 << "6A1B2C3D" << none;
    QTest::newRow("check-out") << 7 << "" << 0 << 0 << false << 0 << "" << none;
}

void TestStaffCardIssue::issues()
{
    QFETCH(int, kind);
    QFETCH(QString, memo);
    QFETCH(int, bldNo);
    QFETCH(int, flrNo);
    QFETCH(bool, accessBolt);
    QFETCH(int, groupNo);
    QFETCH(QString, lockArea);
    QFETCH(QDateTime, endTime);
    StaffCardFields f = fields(kind);
    f.memo = memo;
    f.bldNo = bldNo;
    f.flrNo = flrNo;
    f.accessBolt = accessBolt;
    f.start = QTime(7, 30);
    QCOMPARE(IssueStaffCard(f), IssueOutcome::Issued);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9054---%1").arg(kind)});
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
    QCOMPARE(curCard.Holder, QStringLiteral("Housekeeping"));
    QCOMPARE(curCard.BeiZhu, memo.trimmed());
    QCOMPARE(curCard.Status, QString());
    QCOMPARE(curCard.GongHao, QStringLiteral("007"));
    if (kind == 8 || kind >= 10) {
        QCOMPARE(curCard.EndTime, endTime);
        QCOMPARE(curCard.StartTime, QDateTime(kNow.date(), QTime(7, 30)));
        QCOMPARE(curCard.AccessBolt, accessBolt ? 1 : 0);
    }
    if (kind == 8 || kind == 13)
        QCOMPARE(curCard.FlrNo, groupNo); // the same byte
    if (kind == 12 || kind == 13)
        QCOMPARE(curCard.BldNo, bldNo);
    if (!lockArea.isEmpty())
        QCOMPARE(BufCardText().mid(14, 8), lockArea);
}

void TestStaffCardIssue::refuses_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("bldNo");
    QTest::addColumn<int>("flrNo");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<IssueOutcome>("outcome");
    QTest::newRow("floor without a floor") << 13 << "" << 1 << -1 << "N9050" << IssueOutcome::BadInput;
    QTest::newRow("floor without a building") << 13 << "" << -1 << -1 << "N9050" << IssueOutcome::BadInput;
    QTest::newRow("building without a building") << 12 << "" << -1 << 0 << "N9050" << IssueOutcome::BadInput;
    QTest::newRow("group 256") << 8 << "256" << 0 << 0 << "N9051" << IssueOutcome::BadField;
    QTest::newRow("group empty") << 8 << "" << 0 << 0 << "N9051" << IssueOutcome::BadField;
    QTest::newRow("group negative") << 8 << "-1" << 0 << 0 << "N9051" << IssueOutcome::BadField;
    QTest::newRow("black name of 7") << 4 << "6A1B2C3" << 0 << 0 << "N9052" << IssueOutcome::BadField;
    QTest::newRow("black name of 9") << 4 << "6A1B2C3D4" << 0 << 0 << "N9052" << IssueOutcome::BadField;
    QTest::newRow("black name not hex") << 4 << "6A1B2C3G" << 0 << 0 << "N9052" << IssueOutcome::BadField;
}

void TestStaffCardIssue::refuses()
{
    QFETCH(int, kind);
    QFETCH(QString, memo);
    QFETCH(int, bldNo);
    QFETCH(int, flrNo);
    QFETCH(QString, caption);
    QFETCH(IssueOutcome, outcome);
    StaffCardFields f = fields(kind);
    f.memo = memo;
    f.bldNo = bldNo;
    f.flrNo = flrNo;
    QCOMPARE(IssueStaffCard(f), outcome);
    QCOMPARE(m_world->port.captions(), QStringList{caption});
    QCOMPARE(m_world->port.boxes().first().icon, BoxIcon::Warning);
    if (caption != QLatin1String("N9050"))
        QVERIFY(m_world->port.boxes().first().text.endsWith(u'\n' + memo));
    QVERIFY(cardOnEncoderIsBlank());
    QCOMPARE(registered(), 0);
}

void TestStaffCardIssue::coverRaisesTheCounter_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("ignoreOverwrite"); // bit 2 of the lock options
    QTest::addColumn<bool>("cardOnEncoder");
    QTest::addColumn<int>("onCard");
    QTest::addColumn<int>("stored");
    QTest::newRow("floor") << 13 << false << true << 8 << 8;
    QTest::newRow("building") << 12 << false << true << 8 << 8;
    QTest::newRow("check-out") << 7 << false << true << 8 << 8;
    QTest::newRow("counter wraps") << 11 << false << true << 0 << 0;
    QTest::newRow("overwrite ignored") << 13 << true << true << 7 << 7;
    QTest::newRow("no card") << 13 << false << false << -1 << 7;
}

void TestStaffCardIssue::coverRaisesTheCounter()
{
    QFETCH(int, kind);
    QFETCH(bool, ignoreOverwrite);
    QFETCH(bool, cardOnEncoder);
    QFETCH(int, onCard);
    QFETCH(int, stored);
    const int before = onCard == 0 ? 255 : 7;
    QVERIFY(WriteDai(kind, before));
    settings.TiShi = ignoreOverwrite ? 0x04 : 0x00;
    QCOMPARE(StaffPanelOf(kind, settings.TiShi).cover, !ignoreOverwrite);
    if (!cardOnEncoder)
        m_world->encoder->sim(QStringLiteral("take"));
    StaffCardFields f = fields(kind);
    f.bldNo = 1;
    f.flrNo = kind == 13 ? 1 : 0;
    f.cover = true;
    QCOMPARE(IssueStaffCard(f) == IssueOutcome::Issued, cardOnEncoder);
    QCOMPARE(ReadDai(kind), stored);
    if (!cardOnEncoder)
        return;
    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(curCard.Dai, onCard);
    // The register says which cards the new one superseded.
    QCOMPARE(curCard.Status, ignoreOverwrite ? QString() : StaffCoverCaption(m_texts, kind));
}

QTEST_GUILESS_MAIN(TestStaffCardIssue)
#include "tst_staffcardissue.moc"
