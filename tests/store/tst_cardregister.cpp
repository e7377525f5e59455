#include "core/records.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/cardregister.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

class TestCardRegister : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_world.reset(); }

    void numbersRowsAfterTheLargestId_data();
    void numbersRowsAfterTheLargestId();
    void cutsMemoAndStatus_data() { AddEngineColumn(); AddEngineRows(); }
    void cutsMemoAndStatus();
    void showsTheWholeTextsWhenTheInsertFails_data() { AddEngineColumn(); AddEngineRows(); }
    void showsTheWholeTextsWhenTheInsertFails();
    void marksAndLooksUpCards_data() { AddEngineColumn(); AddEngineRows(); }
    void marksAndLooksUpCards();
    void readsAndWritesIssueCounters_data();
    void readsAndWritesIssueCounters();
    void keepsAndClearsOpenRecords_data() { AddEngineColumn(); AddEngineRows(); }
    void keepsAndClearsOpenRecords();
    void decodesCardTimes_data();
    void decodesCardTimes();
    void decodesRecordTimes_data();
    void decodesRecordTimes();

private:
    std::optional<TestWorld> m_world;
};

namespace {

void issue(const QString &cardData, const QString &holder)
{
    curCard.CardData = cardData;
    curCard.Holder = holder;
    curCard.BeiZhu = "memo";
    curCard.Status = "Issued";
    QVERIFY(InsertCardInfo());
}

const QString kCardA = "6A0000000000000000000000000000AA";
const QString kCardB = "6B0000000000000000000000000000BB";

} // namespace

void TestCardRegister::init()
{
    m_world.emplace();
    curOperator.GongHao = "0007";
    curOperator.Name = "Mei Lin";
}

void TestCardRegister::numbersRowsAfterTheLargestId_data()
{
    AddEngineColumn();
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<int>("id");
    for (const Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString on = engine == Engine::SQLite ? " (sqlite)" : " (postgresql)";
        QTest::newRow(qPrintable("first card" + on)) << engine << QList<int>{} << 1;
        QTest::newRow(qPrintable("after 1, 2, 7" + on)) << engine << QList<int>{1, 2, 7} << 8;
    }
}

void TestCardRegister::numbersRowsAfterTheLargestId()
{
    QFETCH(Engine, engine);
    QFETCH(QList<int>, existing);
    QFETCH(int, id);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    for (int old : existing)
        QVERIFY(SqlExec(QStringLiteral("INSERT INTO CardInfo VALUES (%1, 'old', '', '', '', '')").arg(old)));
    ScriptedPort &port = m_world->port;
    issue(kCardA, "Guest A");
    QVERIFY(port.boxes().isEmpty());
    QCOMPARE(SqlScalar("SELECT ID FROM CardInfo WHERE Holder = 'Guest A'").toInt(), id);
}

void TestCardRegister::cutsMemoAndStatus()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    curCard.CardData = kCardA;
    curCard.BeiZhu = QString(99, 'm') + "XYZ";
    curCard.Status = QString(49, 's') + "0123456789";
    QVERIFY(InsertCardInfo());
    QSqlQuery row(Db());
    QVERIFY(row.exec("SELECT BeiZhu, Status, GongHao FROM CardInfo") && row.next());
    QCOMPARE(row.value(0).toString(), QString(99, 'm') + "X");
    QCOMPARE(row.value(1).toString(), QString(49, 's') + "0");
    // The row keeps the operator's code.
    QCOMPARE(row.value(2).toString(), QString("0007"));
}

void TestCardRegister::showsTheWholeTextsWhenTheInsertFails()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    // A column the insert does not fill: every insert of six values fails.
    QVERIFY(SqlExec(engine == Engine::SQLite ? "ALTER TABLE CardInfo ADD Extra INTEGER"
                                             : "ALTER TABLE CardInfo ADD Extra INTEGER NOT NULL"));
    curCard.CardData = kCardA;
    curCard.Holder = "Guest A";
    curCard.BeiZhu = QString(120, 'm');
    curCard.Status = QString(60, 's');
    ScriptedPort &port = m_world->port;
    QVERIFY(!InsertCardInfo());
    QCOMPARE(port.captions(), QStringList{"E0044"});
    const QString text = port.boxes()[0].text;
    QVERIFY(text.startsWith("Insert CardInfo Failure\n"));
    QVERIFY2(text.endsWith("\nID:  1\nCardData: " + kCardA + "\nHolder: Guest A\nOperator: Mei Lin\nBeiZhu: "
                           + QString(120, 'm') + "\nStatus: " + QString(60, 's')),
             qPrintable(text));
}

void TestCardRegister::marksAndLooksUpCards()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    ScriptedPort &port = m_world->port;
    issue(kCardA, "Guest A");
    issue(kCardA, "Guest A again");
    issue(kCardB, "Guest B");
    QVERIFY(MarkCardErased(kCardA));
    QCOMPARE(SqlScalar(QString("SELECT COUNT(*) FROM CardInfo WHERE Status = '%1'").arg(Common.CardStatus_Erased))
                 .toInt(),
             2);

    curCard = TCardInfo();
    QCOMPARE(LoadCardInfo(kCardB), 3);
    QCOMPARE(curCard.Holder, QString("Guest B"));
    QCOMPARE(curCard.BeiZhu, QString("memo"));
    QCOMPARE(curCard.Status, QString("Issued"));
    QCOMPARE(curCard.GongHao, QString("0007"));
    // A card not in the register leaves nothing of the previous one behind.
    QCOMPARE(LoadCardInfo("60000000000000000000000000000000"), 0);
    QVERIFY(curCard.Holder.isEmpty() && curCard.BeiZhu.isEmpty() && curCard.Status.isEmpty()
            && curCard.GongHao.isEmpty());
    QVERIFY(port.boxes().isEmpty());
}

void TestCardRegister::readsAndWritesIssueCounters_data()
{
    AddEngineColumn();
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("result");
    for (const Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString on = engine == Engine::SQLite ? " (sqlite)" : " (postgresql)";
        QTest::newRow(qPrintable("one row" + on)) << engine << 11 << 1 << 42;
        QTest::newRow(qPrintable("no row" + on)) << engine << 6 << 0 << -1;
        QTest::newRow(qPrintable("two rows" + on)) << engine << 11 << 2 << -1;
    }
}

void TestCardRegister::readsAndWritesIssueCounters()
{
    QFETCH(Engine, engine);
    QFETCH(int, kind);
    QFETCH(int, copies);
    QFETCH(int, result);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    // A Dai table without its key, as an older database may have it.
    QVERIFY(SqlExec("DROP TABLE Dai"));
    QVERIFY(SqlExec("CREATE TABLE Dai (CardType INTEGER, Dai INTEGER)"));
    for (int i = 0; i < copies; ++i)
        QVERIFY(SqlExec(QString("INSERT INTO Dai VALUES (%1, 3)").arg(kind)));
    ScriptedPort &port = m_world->port;
    QVERIFY(WriteDai(kind, 42));
    QCOMPARE(ReadDai(kind), result);
    if (result >= 0) {
        QVERIFY(port.boxes().isEmpty());
        return;
    }
    QCOMPARE(port.captions(), QStringList{"E0039"});
    QCOMPARE(port.boxes()[0].text,
             QString("System Error---E0039\n\nCardType:  %1\nRecordCount:  %2").arg(kind).arg(copies));
}

void TestCardRegister::keepsAndClearsOpenRecords()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    ScriptedPort &port = m_world->port;
    const QDateTime opened(QDate(2024, 3, 15), QTime(13, 45, 15));
    QVERIFY(InsertRecordOpen(3, "0A030F0D2D3C0102", opened));
    QSqlQuery row(Db());
    QVERIFY(row.exec("SELECT OrderFlag, RecData, OpenTime FROM RecordOpen") && row.next());
    QCOMPARE(row.value(0).toInt(), 3);
    QCOMPARE(row.value(1).toString(), QString("0A030F0D2D3C0102"));
    QCOMPARE(DateTimeFromSql(row.value(2)), opened);
    row.finish();
    QVERIFY(ClearRecordOpen());
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RecordOpen").toInt(), 0);

    QVERIFY(SqlExec("DROP TABLE RecordOpen"));
    QVERIFY(!InsertRecordOpen(3, "0A030F0D2D3C0102", opened));
    QVERIFY(!ClearRecordOpen());
    QCOMPARE(port.captions(), (QStringList{"E0054", "E0055"}));
    QVERIFY(port.boxes()[0].text.startsWith("Insert RecordOpen Failure\n"));
    QVERIFY(port.boxes()[0].text.endsWith("\nOrderFlag: 3\nRecData: 0A030F0D2D3C0102\nOpenTime: 2024-03-15 13:45:15"));
    QVERIFY(port.boxes()[1].text.startsWith("Delete RecordOpen Failure"));
}

void TestCardRegister::decodesCardTimes_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("why");
    const QDateTime zero = DateTimeZero();
    QTest::newRow("no time") << "FFFFFF" << QDateTime(QDate(1899, 12, 1), QTime(0, 0)) << "";
    QTest::newRow("year digit A is 2024") << "A37B6D" << QDateTime(QDate(2024, 3, 15), QTime(13, 45)) << "";
    QTest::newRow("lower case digits") << "a37b6d" << QDateTime(QDate(2024, 3, 15), QTime(13, 45)) << "";
    QTest::newRow("first possible") << "010800" << QDateTime(QDate(2014, 1, 1), QTime(0, 0)) << "";
    QTest::newRow("29 February of a leap year") << "A2EDFB" << QDateTime(QDate(2024, 2, 29), QTime(23, 59)) << "";
    QTest::newRow("month 0") << "A07B6D" << zero << "Invalid month 0";
    QTest::newRow("day 0") << "A30041" << zero << "Invalid day 0 of 2024-03";
    QTest::newRow("29 February of 2025") << "B2EA80" << zero << "Invalid day 29 of 2025-02";
    QTest::newRow("hour 24") << "A30E00" << zero << "Invalid time 24:0:0";
    QTest::newRow("minute 60") << "A3087C" << zero << "Invalid time 1:60:0";
    QTest::newRow("not hexadecimal") << "A3G87C" << zero << "Invalid packed time";
    QTest::newRow("five digits") << "A3087" << zero << "Invalid packed time";
}

void TestCardRegister::decodesCardTimes()
{
    QFETCH(QString, digits);
    QFETCH(QDateTime, time);
    QFETCH(QString, why);
    ScriptedPort &port = m_world->port;
    QCOMPARE(DecodeCardTime(false, digits), time);
    QVERIFY(port.boxes().isEmpty());
    QCOMPARE(DecodeCardTime(true, digits), time);
    if (why.isEmpty()) {
        QVERIFY(port.boxes().isEmpty());
        return;
    }
    QCOMPARE(port.captions(), QStringList{"E0043"});
    QCOMPARE(port.boxes()[0].text, "System Error---E0043\n\n" + why + "\n\n" + digits);
}

void TestCardRegister::decodesRecordTimes_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QDateTime>("time");
    QTest::newRow("no time") << "FFFF0F0D2D3C" << QDateTime(QDate(1899, 12, 1), QTime(0, 0));
    QTest::newRow("seconds byte 0x3C is 15") << "0A030F0D2D3C" << QDateTime(QDate(2024, 3, 15), QTime(13, 45, 15));
    QTest::newRow("month 0") << "0A000F0D2D3C" << DateTimeZero();
    QTest::newRow("hour 24") << "0A030F182D00" << DateTimeZero();
    QTest::newRow("seconds byte 0xF0") << "0A030F0D2DF0" << DateTimeZero();
    QTest::newRow("not hexadecimal") << "0A030F0D2DZZ" << DateTimeZero();
    QTest::newRow("too short") << "0A030F0D2D" << DateTimeZero();
}

void TestCardRegister::decodesRecordTimes()
{
    QFETCH(QString, digits);
    QFETCH(QDateTime, time);
    ScriptedPort &port = m_world->port;
    QCOMPARE(DecodeRecordTime(digits), time);
    QVERIFY(port.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestCardRegister)
#include "tst_cardregister.moc"
