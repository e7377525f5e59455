#include "core/records.h"
#include "core/settings.h"
#include "core/state.h"
#include "store/guests.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

class TestGuests : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(); }
    void cleanup() { m_world.reset(); }

    void numbersTheFirstStayOne_data() { AddEngineColumn(); AddEngineRows(); }
    void numbersTheFirstStayOne();
    void clearsEarlierPricesWhenAsked_data();
    void clearsEarlierPricesWhenAsked();
    void showsTheStayWhenTheInsertFails_data() { AddEngineColumn(); AddEngineRows(); }
    void showsTheStayWhenTheInsertFails();
    void loadsEachCurrentGuestByTheNewestRow_data() { AddEngineColumn(); AddEngineRows(); }
    void loadsEachCurrentGuestByTheNewestRow();
    void mergesOnlyConsecutiveReservations_data() { AddEngineColumn(); AddEngineRows(); }
    void mergesOnlyConsecutiveReservations();
    void closesAndReflagsStays_data() { AddEngineColumn(); AddEngineRows(); }
    void closesAndReflagsStays();
    void amountOutOfRangeFailsItsRow_data() { AddEngineColumn(); AddEngineRows(); }
    void amountOutOfRangeFailsItsRow();
    void findsTheStayOfACard_data();
    void findsTheStayOfACard();
    void cardLookupListsAnEntryPerRow_data() { AddEngineColumn(); AddEngineRows(); }
    void cardLookupListsAnEntryPerRow();

private:
    std::optional<TestWorld> m_world;
};

namespace {

QDateTime march(int day, int hour = 12)
{
    return QDateTime(QDate(2025, 3, day), QTime(hour, 0));
}

// A stay row as an earlier check-in or reservation left it.
bool addStay(int id, const QString &bldRoomNo, const QString &name, const QString &cNo, const QString &flag,
             const QDateTime &goTime = march(5), const QString &cardID = "6A000001", const QDateTime &comeTime = march(1))
{
    QSqlQuery insert(Db());
    insert.prepare("INSERT INTO GuestInfo VALUES(:ID,:BldRoomNo,:Name,'F','ID',:CNo,:ComeTime,:GoTime,:CardID,:Flag,"
                   "'old memo','288.5','100')");
    insert.bindValue(":ID", id);
    insert.bindValue(":BldRoomNo", bldRoomNo);
    insert.bindValue(":Name", name);
    insert.bindValue(":CNo", cNo);
    insert.bindValue(":ComeTime", comeTime);
    insert.bindValue(":GoTime", goTime);
    insert.bindValue(":CardID", cardID);
    insert.bindValue(":Flag", flag);
    return insert.exec();
}

QList<int> idsOf(const QList<TGuestInfo> &entries, int length)
{
    QList<int> ids;
    for (int i = 0; i < length; ++i)
        ids.append(entries[i].ID);
    return ids;
}

void fillCurrentGuest()
{
    curGuest = TGuestInfo();
    curGuest.BldRoomNo = "1-101";
    curGuest.Name = "Anna";
    curGuest.Sex = "F";
    curGuest.CType = "Passport";
    curGuest.CNo = "P123";
    curGuest.ComeTime = march(1, 14);
    curGuest.GoTime = march(3);
    curGuest.CardID = "6A000042";
    curGuest.Flag = "WalkIn";
    curGuest.BeiZhu = "new memo";
    curGuest.Price = Currency::fromUnits(3885000);
    curGuest.YaJin = Currency::fromWhole(200);
}

} // namespace

void TestGuests::numbersTheFirstStayOne()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    ScriptedPort &port = m_world->port;
    fillCurrentGuest();
    QVERIFY(InsertGuestInfo());
    QCOMPARE(curGuest.ID, 1);
    QVERIFY(port.boxes().isEmpty());
    QVERIFY(LoadGuestByCardID("6A000042"));
    const TGuestInfo &stored = aryGuest[0];
    QCOMPARE(stored.ID, 1);
    QCOMPARE(stored.Name, QString("Anna"));
    QCOMPARE(stored.CType, QString("Passport"));
    QCOMPARE(stored.ComeTime, march(1, 14));
    QCOMPARE(stored.GoTime, march(3));
    QCOMPARE(stored.Flag, QString("WalkIn"));
    QCOMPARE(stored.Price, Currency::fromUnits(3885000));
    QCOMPARE(stored.YaJin, Currency::fromWhole(200));
}

void TestGuests::clearsEarlierPricesWhenAsked_data()
{
    AddEngineColumn();
    QTest::addColumn<int>("clrPrice");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("cleared");
    for (const Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString on = engine == Engine::SQLite ? " (sqlite)" : " (postgresql)";
        QTest::newRow(qPrintable("ClrPrice 1" + on)) << engine << 1 << "" << QStringList{"1-101 WalkIn", "1-101 Copy"};
        QTest::newRow(qPrintable("ClrPrice 0" + on)) << engine << 0 << "" << QStringList{};
        QTest::newRow(qPrintable("ClrPrice 1, room change" + on))
            << engine << 1 << "Change" << QStringList{"1-102 WalkIn"};
    }
}

void TestGuests::clearsEarlierPricesWhenAsked()
{
    QFETCH(Engine, engine);
    QFETCH(int, clrPrice);
    QFETCH(QString, menu);
    QFETCH(QStringList, cleared);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addStay(1, "1-101", "Anna", "P123", "WalkIn"));
    QVERIFY(addStay(2, "1-101", "Anna", "P123", "Copy"));
    QVERIFY(addStay(3, "1-101", "Anna", "P123", "CheckOut"));
    QVERIFY(addStay(4, "1-101", "Bert", "B1", "WalkIn"));
    QVERIFY(addStay(5, "1-102", "Anna", "P123", "WalkIn"));
    settings.ClrPrice = clrPrice;
    curMenu = menu;
    oldGuest.BldRoomNo = "1-102";
    ScriptedPort &port = m_world->port;
    fillCurrentGuest();
    QVERIFY(InsertGuestInfo());
    QCOMPARE(curGuest.ID, 6);
    QSqlQuery rows(Db());
    QVERIFY(rows.exec("SELECT BldRoomNo, Flag, Price, YaJin, BeiZhu FROM GuestInfo WHERE ID < 6 ORDER BY ID"));
    QStringList zeroed;
    while (rows.next()) {
        const bool zero = Currency::fromSql(rows.value(2)) == Currency() && Currency::fromSql(rows.value(3)) == Currency();
        if (zero) {
            zeroed << rows.value(0).toString() + u' ' + rows.value(1).toString();
            QCOMPARE(rows.value(4).toString(), QString("new memo"));
        } else {
            QCOMPARE(Currency::fromSql(rows.value(2)), std::optional(Currency::fromUnits(2885000)));
            QCOMPARE(rows.value(4).toString(), QString("old memo"));
        }
    }
    QCOMPARE(zeroed, cleared);
    QVERIFY(port.boxes().isEmpty());
}

void TestGuests::showsTheStayWhenTheInsertFails()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(SqlExec(engine == Engine::SQLite ? "ALTER TABLE GuestInfo ADD Extra INTEGER"
                                             : "ALTER TABLE GuestInfo ADD Extra INTEGER NOT NULL"));
    ScriptedPort &port = m_world->port;
    fillCurrentGuest();
    QVERIFY(!InsertGuestInfo());
    QCOMPARE(port.captions(), QStringList{"E0026"});
    const QString text = port.boxes()[0].text;
    QVERIFY(text.startsWith("Insert GuestInfo Failure\n"));
    QVERIFY2(text.endsWith("\nID:  1\nBldRoomNo: 1-101\nName: Anna\nSex: F\nCType: Passport\nCNo.: P123\n"
                           "CheckIn: 2025-03-01 14:00:00\nCheckOut: 2025-03-03 12:00:00\nCardID: 6A000042\n"
                           "Flag: WalkIn\nMemo: new memo\nPrice: 388.5\nDeposit: 200"),
             qPrintable(text));
    QCOMPARE(curGuest.ID, 1);
}

void TestGuests::loadsEachCurrentGuestByTheNewestRow()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addStay(5, "1-101", "Anna", "P123", "WalkIn", march(1)));
    QVERIFY(addStay(9, "1-101", "Anna", "P123", "Copy", march(5)));
    QVERIFY(addStay(7, "1-101", "Bert", "B1", "TeamIn", march(3)));
    QVERIFY(addStay(8, "1-101", "Carl", "C1", "CheckOut", march(2)));
    QVERIFY(addStay(10, "1-101", "Dora", "D1", "Reservation", march(2)));
    QVERIFY(addStay(11, "1-102", "Eva", "E1", "WalkIn", march(2)));
    ScriptedPort &port = m_world->port;
    QCOMPARE(LoadRoomGuests("1-101"), 3);
    QCOMPARE(lenAryGuest, 2);
    QCOMPARE(ptrAryGuest, 0);
    QCOMPARE(idsOf(aryGuest, lenAryGuest), (QList<int>{9, 7}));
    // Anna leaves on the 5th by her newest row, Bert on the 3rd.
    QCOMPARE(EarliestGoTime("1-101"), march(3));
    QCOMPARE(EarliestGoTime("1-103"), DateTimeZero());
    QCOMPARE(LoadRoomGuests("1-103"), 0);
    QCOMPARE(lenAryGuest, 0);
    QVERIFY(port.boxes().isEmpty());
}

void TestGuests::mergesOnlyConsecutiveReservations()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    // Newest first within a name: 3 (X1), 2 (X2), 1 (X1); the two X1 rows are
    // not neighbours and stay apart.
    QVERIFY(addStay(1, "1-101", "Li", "X1", "Reservation", march(9), "", march(7)));
    QVERIFY(addStay(2, "1-101", "Li", "X2", "Reservation", march(9), "", march(6)));
    QVERIFY(addStay(3, "1-101", "Li", "X1", "Reservation", march(9), "", march(8)));
    QVERIFY(addStay(4, "1-101", "Wang", "W1", "Reservation", march(9), "", march(10)));
    QVERIFY(addStay(5, "1-101", "Wang", "W1", "Reservation", march(9), "", march(10)));
    QVERIFY(addStay(6, "1-101", "Zhao", "Z1", "WalkIn"));
    ScriptedPort &port = m_world->port;
    QCOMPARE(LoadRoomReservations("1-101"), 4);
    QCOMPARE(lenAryReservation, 4);
    QCOMPARE(idsOf(aryReservation, lenAryReservation), (QList<int>{3, 2, 1, 5}));
    QCOMPARE(aryReservation[0].BldRoomNo, QString("1-101"));
    QVERIFY(aryReservation[0].Flag.isEmpty() && aryReservation[0].CardID.isEmpty());
    QCOMPARE(FirstReservationTime("1-101"), march(6));
    QCOMPARE(FirstReservationTime("1-102"), DateTimeZero());

    // Over all rooms by arrival: 2 (X2), 1 (X1), 3 (X1) merge the last two.
    QCOMPARE(LoadGuestsByFlag("Reservation"), 5);
    QCOMPARE(idsOf(aryGuest, lenAryGuest), (QList<int>{2, 1, 5}));
    QCOMPARE(aryGuest[0].Flag, QString("Reservation"));
    QVERIFY(port.boxes().isEmpty());
}

void TestGuests::closesAndReflagsStays()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addStay(1, "1-101", "Anna", "P123", "WalkIn", march(5)));
    QVERIFY(addStay(2, "1-101", "Anna", "P123", "Reservation", march(9)));
    QVERIFY(addStay(3, "1-101", "Anna", "P123", "CheckOut", march(2)));
    QVERIFY(addStay(4, "1-101", "Anna", "P999", "WalkIn", march(5)));
    QVERIFY(addStay(5, "1-102", "Anna", "P123", "WalkIn", march(5)));
    QVERIFY(addStay(6, "1-101", "Bert", "B1", "Reservation", march(9)));
    ScriptedPort &port = m_world->port;
    QVERIFY(CloseGuestStay("1-101", "Anna", "P123", march(4, 11), "CheckOut"));
    ChangeReservationFlag("1-101", "Bert", "B1", "[Check In]2025-03-04 11:00:00");
    QVERIFY(port.boxes().isEmpty());
    QSqlQuery rows(Db());
    QVERIFY(rows.exec("SELECT ID, Flag, GoTime FROM GuestInfo ORDER BY ID"));
    QStringList states;
    while (rows.next())
        states << QString("%1 %2 %3").arg(rows.value(0).toInt()).arg(rows.value(1).toString(),
                                                                    DateTimeText(DateTimeFromSql(rows.value(2))));
    // The guest's later reservation of the room is not part of the stay.
    QCOMPARE(states, (QStringList{"1 CheckOut 2025-03-04 11:00:00", "2 Reservation 2025-03-09 12:00:00",
                                  "3 CheckOut 2025-03-02 12:00:00", "4 WalkIn 2025-03-05 12:00:00",
                                  "5 WalkIn 2025-03-05 12:00:00",
                                  "6 [Check In]2025-03-04 11:00:00 2025-03-09 12:00:00"}));

    QVERIFY(SqlExec("DROP TABLE GuestInfo"));
    QVERIFY(!CloseGuestStay("1-101", "Anna", "P123", march(4, 11), "CheckOut"));
    ChangeReservationFlag("1-101", "Bert", "B1", "TeamIn");
    QCOMPARE(port.captions(), (QStringList{"E0028", "E0065"}));
    QVERIFY(port.boxes()[0].text.startsWith("CheckOut GuestInfo Failure\n"));
    QVERIFY(port.boxes()[0].text.endsWith(
        "\nBldRoomNo: 1-101\nGuestName: Anna\nCNo.: P123\nFlag: CheckOut\ndt: 2025-03-04 11:00:00"));
    QVERIFY(port.boxes()[1].text.startsWith("Update GuestInfo Failure\n"));
    QVERIFY(port.boxes()[1].text.endsWith("\nBldRoomNo: 1-101\nGuestName: Bert\nFlag: TeamIn"));
}

void TestGuests::amountOutOfRangeFailsItsRow()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addStay(5, "1-101", "Anna", "P123", "WalkIn"));
    QVERIFY(addStay(7, "1-101", "Bert", "B1", "WalkIn", march(5), "6A000002"));
    QVERIFY(SqlExec("UPDATE GuestInfo SET YaJin=-999999999999999 WHERE ID=7"));
    ScriptedPort &port = m_world->port;
    QCOMPARE(LoadRoomGuests("1-101"), 0);
    QCOMPARE(lenAryGuest, 0);
    QVERIFY(!LoadGuestByCardID("6A000002"));
    QCOMPARE(lenAryGuest, 0);
    QVERIFY(LoadGuestByCardID("6A000001"));
    QCOMPARE(port.captions(), (QStringList{"E0070", "E0070"}));
    const QString text = port.boxes()[0].text;
    QVERIFY2(text.startsWith("Read GuestInfo Failure\nAmount out of range\nID: 7\nPrice: 288.5"), qPrintable(text));
    QVERIFY2(text.contains("\nYaJin: -999999999999999"), qPrintable(text));
}

void TestGuests::findsTheStayOfACard_data()
{
    AddEngineColumn();
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("found");
    for (const Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString on = engine == Engine::SQLite ? " (sqlite)" : " (postgresql)";
        QTest::newRow(qPrintable("one row" + on)) << engine << QList<int>{4} << true;
        QTest::newRow(qPrintable("no row" + on)) << engine << QList<int>{} << false;
        QTest::newRow(qPrintable("two rows" + on)) << engine << QList<int>{4, 8} << false;
    }
}

void TestGuests::findsTheStayOfACard()
{
    QFETCH(Engine, engine);
    QFETCH(QList<int>, rows);
    QFETCH(bool, found);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    for (int id : rows)
        QVERIFY(addStay(id, "1-101", "Anna", "P123", "WalkIn", march(5), "6A0000FF"));
    QVERIFY(addStay(20, "1-101", "Bert", "B1", "WalkIn", march(5), "6A000001"));
    ScriptedPort &port = m_world->port;
    QCOMPARE(LoadGuestByCardID("6A0000FF"), found);
    QCOMPARE(lenAryGuest, rows.size());
    if (found) {
        QCOMPARE(aryGuest[0].ID, 4);
        QCOMPARE(aryGuest[0].CardID, QString("6A0000FF"));
    }
    if (rows.size() < 2) {
        QVERIFY(port.boxes().isEmpty());
        return;
    }
    QCOMPARE(port.captions(), QStringList{"E0032"});
    QCOMPARE(port.boxes()[0].text,
             QString("GuestInfo Error, more than one record\n\nCardID: 6A0000FF\nGuestID:\n\n4\n8"));
}

void TestGuests::cardLookupListsAnEntryPerRow()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addStay(4, "1-101", "Anna", "P123", "CheckOut", march(5), "6a0000ff"));
    QVERIFY(addStay(8, "1-102", "Bert", "B1", "WalkIn", march(7), "6A0000FF"));
    QVERIFY(!LoadGuestByCardID("6A0000FF"));
    QCOMPARE(lenAryGuest, 2);
    // A caller that walks the list to lenAryGuest stays within it.
    QCOMPARE(aryGuest.size(), 2);
    QCOMPARE(aryGuest[0].ID, 8);
    QCOMPARE(aryGuest[0].Name, QString("Bert"));
    QCOMPARE(aryGuest[0].CardID, QString("6A0000FF"));
    QCOMPARE(aryGuest[1].ID, 0);

    // A later lookup does not keep entries of the earlier one.
    QVERIFY(!LoadGuestByCardID("6A000099"));
    QCOMPARE(lenAryGuest, 0);
    QVERIFY(aryGuest.isEmpty());
}

QTEST_GUILESS_MAIN(TestGuests)
#include "tst_guests.moc"
