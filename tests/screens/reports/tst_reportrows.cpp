#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/reports/reportdelete.h"
#include "screens/reports/reportrows.h"
#include "screens/reports/reportstexts.h"
#include "store/cardregister.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

// The rows of the three reports as the screen and the admin tool get them,
// their filters, and the deletion of marked rows.
class TestReportRows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void cardsReport_data();
    void cardsReport();
    void defaultFiltersForGuestCards();
    void deletesMarkedCards();
    void guestsReport_data();
    void guestsReport();
    void openReport();
    void openReportNamesTheLock_data();
    void openReportNamesTheLock();
    void emptyReport();

private:
    std::optional<TestWorld> m_world;
    ReportsTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

// Six hexadecimal digits of a packed card time.
QString packed(const QDateTime &t)
{
    const int value = ((t.date().year() - 2014) << 20) | (t.date().month() << 16) | (t.date().day() << 11) |
                      (t.time().hour() << 6) | t.time().minute();
    return QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
}

// Card data: the lock address (flags, room index, floor, building), the kind
// and counter digits, the issue and end times.
QString cardData(int kind, int romId, int floor, int building, const QString &issue, const QString &end)
{
    return QStringLiteral("11223344") +
           QStringLiteral("00%1%2%3").arg(romId, 2, 16, QLatin1Char('0')).arg(floor, 2, 16, QLatin1Char('0'))
               .arg(building, 2, 16, QLatin1Char('0')).toUpper() +
           QStringLiteral("00") + QString::number(kind, 16).toUpper() + QStringLiteral("1") + issue + end;
}

bool addCard(int id, const QString &data, const QString &holder = QString(), const QString &gongHao = QStringLiteral("007"))
{
    QSqlQuery insert(Db());
    insert.prepare(QStringLiteral("INSERT INTO CardInfo VALUES(:a,:b,:c,:d,'','')"));
    insert.bindValue(QStringLiteral(":a"), id);
    insert.bindValue(QStringLiteral(":b"), data);
    insert.bindValue(QStringLiteral(":c"), holder);
    insert.bindValue(QStringLiteral(":d"), gongHao);
    return insert.exec();
}

bool addStay(int id, const QString &room, const QString &flag, const QString &price)
{
    QSqlQuery insert(Db());
    insert.prepare(QStringLiteral("INSERT INTO GuestInfo VALUES(:a,:b,'Guest','','','',:c,:d,'61000001',:e,'',:f,:f)"));
    insert.bindValue(QStringLiteral(":a"), id);
    insert.bindValue(QStringLiteral(":b"), room);
    insert.bindValue(QStringLiteral(":c"), kNow.addDays(-1));
    insert.bindValue(QStringLiteral(":d"), kNow.addDays(1));
    insert.bindValue(QStringLiteral(":e"), flag);
    insert.bindValue(QStringLiteral(":f"), price);
    return insert.exec();
}

} // namespace

void TestReportRows::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.clock = true});
    QVERIFY(m_world->deliverDatabase(engine));
    m_world->clock->set(kNow);
    QVERIFY(AddRoomRow(SampleRoom(1, 1, 1, QStringLiteral("101"))));
    QVERIFY(LoadAryRoom());
    curMenu = QStringLiteral("Reports");
    m_texts = ReadReportsTexts();
}

void TestReportRows::cardsReport_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("room");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("roomCell");

    const QString today = packed(kNow);
    const QString later = packed(kNow.addDays(3));
    const QString longAgo = packed(kNow.addDays(-30));
    // A room that has gone is listed whatever the room and date filters say.
    QTest::newRow("guest card of an unknown room") << cardData(6, 9, 9, 1, longAgo, longAgo) << "zzz" << true << "x"
                                                   << "Error: 00090901";
    QTest::newRow("guest card of a known room") << cardData(6, 1, 1, 1, today, later) << "" << true << "" << "1-101";
    QTest::newRow("room filter leaves another room out") << cardData(6, 1, 1, 1, today, later) << "1-2" << false << ""
                                                         << "";
    QTest::newRow("floor card") << cardData(13, 0, 3, 1, today, later) << "3/F" << true << "" << "3/F @ 1";
    QTest::newRow("building card") << cardData(12, 0, 0, 1, today, later) << "" << true << "" << "1";
    QTest::newRow("no issue time") << cardData(11, 0, 0, 0, QStringLiteral("FFFFFF"), later) << "" << false << ""
                                   << "";
    QTest::newRow("issued before the range") << cardData(11, 0, 0, 0, longAgo, later) << "" << false << "" << "";
}

void TestReportRows::cardsReport()
{
    if (!m_world)
        return;
    QFETCH(QString, data);
    QFETCH(QString, room);
    QFETCH(bool, listed);
    QVERIFY(addCard(1, data, QStringLiteral("Holder")));
    ReportFilters filters = DefaultReportFilters(m_texts, kNow);
    filters.room = room;
    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Cards, m_texts, filters, &table));
    QCOMPARE(table.headers.size(), 12);
    QCOMPARE(table.rows.size(), listed ? 1 : 0);
    if (!listed)
        return;
    const QStringList &row = table.rows.first();
    QTEST(row[0], "mark");
    QTEST(row[2], "roomCell");
    QCOMPARE(row[11], QStringLiteral("1"));
    // A row of a room that has gone carries only its kind, room and ID.
    QCOMPARE(row[5], row[0].isEmpty() ? QStringLiteral("Holder") : QString());
    if (row[0].isEmpty())
        QCOMPARE(row[10], data.mid(18, 8));
    QVERIFY(m_world->port.boxes().isEmpty());
}

void TestReportRows::defaultFiltersForGuestCards()
{
    if (!m_world)
        return;
    const QString ends = packed(kNow.addDays(2));
    QVERIFY(addCard(1, cardData(6, 1, 1, 1, packed(kNow.addDays(-2)), ends)));
    QVERIFY(addCard(2, cardData(6, 1, 1, 1, packed(kNow.addDays(-8)), ends)));         // issued too early
    QVERIFY(addCard(3, cardData(6, 1, 1, 1, packed(kNow), packed(kNow.addDays(-8))))); // ended too early
    QVERIFY(addCard(4, cardData(11, 0, 0, 0, packed(kNow), ends)));                    // another kind
    QVERIFY(addCard(5, cardData(6, 1, 1, 1, packed(kNow), packed(QDateTime(QDate(2029, 12, 31), QTime(23, 59))))));
    ReportFilters filters = DefaultReportFilters(m_texts, kNow);
    filters.type = CardTypeNames[6];
    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Cards, m_texts, filters, &table));
    QStringList ids;
    for (const QStringList &row : table.rows)
        ids.append(row.last());
    QCOMPARE(ids, (QStringList{QStringLiteral("5"), QStringLiteral("1")}));
}

void TestReportRows::deletesMarkedCards()
{
    if (!m_world)
        return;
    QVERIFY(addCard(1, cardData(6, 9, 9, 1, packed(kNow), packed(kNow))));
    QVERIFY(addCard(2, cardData(6, 1, 1, 1, packed(kNow), packed(kNow.addDays(1)))));
    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Cards, m_texts, DefaultReportFilters(m_texts, kNow), &table));
    QCOMPARE(table.rows.size(), 2);
    m_world->port.answer(BoxAnswer::Cancel);
    QVERIFY(!DeleteMarkedRows(m_texts, table));
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(DeleteMarkedRows(m_texts, table));
    QCOMPARE(m_world->port.captions(), (QStringList{QStringLiteral("N9057"), QStringLiteral("N9057")}));
    QCOMPARE(SqlScalar(QStringLiteral("SELECT ID FROM CardInfo")).toInt(), 2);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(), 1);
}

void TestReportRows::guestsReport_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("flagCell");
    QTest::addColumn<QString>("priceCell");

    QTest::newRow("same room") << "1-2" << "WalkIn" << "288" << true << "Walk In" << "288";
    QTest::newRow("longer room") << "1-20" << "TeamIn" << "0" << true << "Team" << "";
    QTest::newRow("room inside") << "11-205" << "[Reservation 12]" << "12.5" << true << "[Reservation 12]" << "12.5";
    QTest::newRow("other room") << "2-1" << "WalkIn" << "288" << false << "" << "";
}

void TestReportRows::guestsReport()
{
    if (!m_world)
        return;
    QFETCH(QString, room);
    QFETCH(QString, flag);
    QFETCH(QString, price);
    QFETCH(bool, listed);
    QVERIFY(addStay(1, room, flag, price));
    ReportFilters filters = DefaultReportFilters(m_texts, kNow);
    filters.room = QStringLiteral("1-2");
    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Guests, m_texts, filters, &table));
    QCOMPARE(table.headers.size(), 14);
    QCOMPARE(table.rows.size(), listed ? 1 : 0);
    if (!listed)
        return;
    QCOMPARE(table.rows.first()[2], room);
    QTEST(table.rows.first()[5], "flagCell");
    QTEST(table.rows.first()[10], "priceCell");
    QTEST(table.rows.first()[11], "priceCell");
}

void TestReportRows::openReport()
{
    if (!m_world)
        return;
    QVERIFY(addCard(1, QStringLiteral("000000000000000000" "61010000" "000000"), QStringLiteral("Anna")));
    const QDateTime zero = DateTimeZero();
    const QDateTime older(QDate(2026, 12, 1), QTime(8, 0));
    const QDateTime newer(QDate(2026, 12, 2), QTime(9, 30, 4));
    // System record 2 names room index 1, floor 1, building 1.
    QVERIFY(InsertRecordOpen(2, QStringLiteral("0001010100000000"), zero));
    QVERIFY(InsertRecordOpen(1, QStringLiteral("AAAAAAAAAAAAAAAA"), zero));
    QVERIFY(InsertRecordOpen(0, QStringLiteral("0000000012345600"), older));
    QVERIFY(InsertRecordOpen(0, QStringLiteral("61010000ABCDEF00"), newer));
    QVERIFY(InsertRecordOpen(0, QStringLiteral("FFFFFFFFFFFFFFFF"), QDateTime(QDate(1899, 12, 1), QTime(0, 0))));
    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Open, m_texts, ReportFilters(), &table));
    QCOMPARE(table.headers.size(), 7);
    const QList<QStringList> expected = {
        {"*", "61010000", "Anna", "2026-12-02 09:30:04", "Guest Card", "", "61010000ABCDEF00"},
        {"", "00000000", "", "2026-12-01 08:00:00", "Key Open", "", "0000000012345600"},
        {"", "FFFFFFFF", "", "", "", "", "FFFFFFFFFFFFFFFF"},
        {"*", "AAAAAAAA", "", "", "SYSTEM DATA  1", "", "AAAAAAAAAAAAAAAA"},
        {"*", "00010101", "", "", "SYSTEM DATA  2", "", "0001010100000000"},
    };
    QCOMPARE(table.rows, expected);
    QCOMPARE(table.lockNo, QStringLiteral("001001001"));
    QCOMPARE(curRoom.LockNo, QStringLiteral("001001001"));
    QCOMPARE(table.roomName, QStringLiteral("1-101"));
}

void TestReportRows::openReportNamesTheLock_data()
{
    QTest::addColumn<QString>("address"); // characters 3-8 of system record 2
    QTest::addColumn<QString>("lockNo");
    QTest::addColumn<QString>("roomName");
    QTest::newRow("building 1") << "010101" << "001001001" << "1-101";
    QTest::newRow("building 16") << "010110" << "016001001" << "16-101";
    QTest::newRow("building 250") << "0201FA" << "250001002" << "250-102";
    QTest::newRow("no room of that lock") << "010103" << "003001001" << "";
}

void TestReportRows::openReportNamesTheLock()
{
    if (!m_world)
        return;
    QFETCH(QString, address);
    QVERIFY(AddRoomRow(SampleRoom(16, 1, 1, QStringLiteral("101"))));
    QVERIFY(AddRoomRow(SampleRoom(250, 1, 2, QStringLiteral("102"))));
    QVERIFY(LoadAryRoom());
    QVERIFY(InsertRecordOpen(2, QStringLiteral("00") + address + QStringLiteral("00000000"), DateTimeZero()));
    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Open, m_texts, ReportFilters(), &table));
    QTEST(table.lockNo, "lockNo");
    QTEST(table.roomName, "roomName");
}

void TestReportRows::emptyReport()
{
    if (!m_world)
        return;
    for (const ReportKind kind : {ReportKind::Cards, ReportKind::Guests, ReportKind::Open}) {
        ReportTable table;
        QVERIFY(BuildReport(kind, m_texts, DefaultReportFilters(m_texts, kNow), &table));
        QVERIFY(table.rows.isEmpty());
        QVERIFY(!table.headers.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestReportRows)
#include "tst_reportrows.moc"
