#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

class TestRooms : public QObject {
    Q_OBJECT
private slots:
    // The expected texts of the data tables need the shared texts, which a world reads.
    void initTestCase() { const TestWorld world; }
    void init() { m_world.emplace(); }
    void cleanup() { m_world.reset(); }

    void loadsInBuildingFloorIndexOrder_data() { AddEngineColumn(); AddEngineRows(); }
    void loadsInBuildingFloorIndexOrder();
    void reportsEachDuplicatePair_data() { AddEngineColumn(); AddEngineRows(); }
    void reportsEachDuplicatePair();
    void loadFailureIsShown_data() { AddEngineColumn(); AddEngineRows(); }
    void loadFailureIsShown();
    void leavesRowsWithoutALockNumberOut_data();
    void leavesRowsWithoutALockNumberOut();
    void amountOutOfRangeFailsItsRow_data() { AddEngineColumn(); AddEngineRows(); }
    void amountOutOfRangeFailsItsRow();
    void findsRooms_data();
    void findsRooms();
    void namesTheRoomOfALockAddress_data();
    void namesTheRoomOfALockAddress();
    void savesTheRoomState_data() { AddEngineColumn(); AddEngineRows(); }
    void savesTheRoomState();
    void keepsTheRegistryWhenTheSaveFails_data() { AddEngineColumn(); AddEngineRows(); }
    void keepsTheRegistryWhenTheSaveFails();
    void listsBuildingsAndFloors_data() { AddEngineColumn(); AddEngineRows(); }
    void listsBuildingsAndFloors();
    void setsAndReadsBits_data();
    void setsAndReadsBits();

private:
    std::optional<TestWorld> m_world;
};

namespace {

// A room with a price and an issue counter of its own, to see them read back.
bool addRoom(int bldNo, int flrNo, int romId, const QString &roomNo, int cardCount = 0)
{
    TRoomInfo room = SampleRoom(bldNo, flrNo, romId, roomNo);
    room.Price = Currency::fromUnits(2885000);
    room.Dai = 7;
    room.CardCount = cardCount;
    return AddRoomRow(room);
}

// Registry entries without a database, for the lookups.
TRoomInfo entry(int bldNo, int flrNo, int romId, const QString &roomNo, int cardCount)
{
    TRoomInfo room = SampleRoom(bldNo, flrNo, romId, roomNo);
    room.CardCount = cardCount;
    return room;
}

void setRegistry()
{
    aryRoom = {entry(1, 1, 1, "101", 0), entry(1, 2, 3, "203", 2), entry(1, 2, 4, "204", 0),
               entry(2, 1, 1, "101a", 1)};
    lenAryRoom = aryRoom.size();
}

} // namespace

void TestRooms::loadsInBuildingFloorIndexOrder()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addRoom(2, 1, 1, "101"));
    QVERIFY(addRoom(12, 3, 45, "345"));
    QVERIFY(addRoom(1, 2, 1, "201"));
    QVERIFY(addRoom(1, 1, 2, "102"));
    QVERIFY(addRoom(1, 1, 1, "101"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    QVERIFY(port.boxes().isEmpty());
    QCOMPARE(lenAryRoom, 5);
    QStringList order;
    for (const TRoomInfo &room : aryRoom)
        order << room.BldRoomNo + u'/' + room.LockNo;
    QCOMPARE(order, (QStringList{"1-101/001001001", "1-102/001001002", "1-201/001002001", "2-101/002001001",
                                 "12-345/012003045"}));
    const TRoomInfo &first = aryRoom.first();
    QCOMPARE(first.Price, Currency::fromUnits(2885000));
    QCOMPARE(first.Dai, 7);
    // The late columns are empty in these rows: they read as none.
    QCOMPARE(first.ReservCkIn, DateTimeZero());
    QCOMPARE(first.HourRatePrice, Currency());
    QVERIFY(!hasDuplicateRooms);
}

void TestRooms::reportsEachDuplicatePair()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    // Older databases have no unique key on building and room number.
    QVERIFY(SqlExec("DROP INDEX RoomInfo_BldNo_RoomNo"));
    QVERIFY(addRoom(1, 3, 1, "101"));
    QVERIFY(addRoom(1, 1, 1, "101"));
    QVERIFY(addRoom(1, 2, 1, "101"));
    QVERIFY(addRoom(2, 1, 1, "101"));
    QVERIFY(addRoom(1, 1, 2, "102"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    QCOMPARE(port.captions(), (QStringList{"E0023", "E0023", "E0023"}));
    const QString head = Common.ErrRepeatBldRoomNo + "\n1-101\n";
    QCOMPARE(port.boxes()[0].text, head + "001001001\n001002001");
    QCOMPARE(port.boxes()[1].text, head + "001001001\n001003001");
    QCOMPARE(port.boxes()[2].text, head + "001002001\n001003001");
    QCOMPARE(port.boxes()[0].icon, BoxIcon::Error);
    QVERIFY(hasDuplicateRooms);
    QCOMPARE(lenAryRoom, 5);

    QVERIFY(SqlExec("DELETE FROM RoomInfo WHERE FlrNo > 1"));
    port.clear();
    LoadAryRoom();
    QVERIFY(port.boxes().isEmpty());
    QVERIFY(!hasDuplicateRooms);
}

void TestRooms::loadFailureIsShown()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addRoom(1, 1, 1, "101"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    QVERIFY(SqlExec("DROP TABLE RoomInfo"));
    LoadAryRoom();
    QCOMPARE(port.captions(), QStringList{"E0067"});
    QVERIFY(port.boxes()[0].text.startsWith("System Error---E0067\n"));
    QVERIFY(port.boxes()[0].text.size() > QString("System Error---E0067\n").size());
    QCOMPARE(lenAryRoom, 0);
}

void TestRooms::leavesRowsWithoutALockNumberOut_data()
{
    // Values as an older file database may hold them; the server's integer
    // columns cannot, so these rows are for SQLite only.
    QTest::addColumn<QString>("bldNo");
    QTest::addColumn<QString>("flrNo");
    QTest::addColumn<QString>("romId");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("building past 32 bits") << "99999999999" << "1" << "1" << false;
    QTest::newRow("index past 32 bits") << "1" << "1" << "2147483648" << false;
    QTest::newRow("floor as text") << "1" << "'abc'" << "1" << false;
    QTest::newRow("floor with a fraction") << "1" << "1.5" << "1" << false;
    QTest::newRow("negative index") << "1" << "1" << "-1" << false;
    QTest::newRow("floor of four digits") << "1" << "1000" << "1" << false;
    QTest::newRow("999 in every part") << "999" << "999" << "999" << true;
}

void TestRooms::leavesRowsWithoutALockNumberOut()
{
    QFETCH(QString, bldNo);
    QFETCH(QString, flrNo);
    QFETCH(QString, romId);
    QFETCH(bool, loaded);
    QVERIFY(m_world->deliverDatabase(Engine::SQLite));
    QVERIFY(addRoom(1, 1, 1, "101"));
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RomID2, RoomNo, Status)"
                                   " VALUES (%1, %2, %3, 0, 'X', 'Vacant')")
                        .arg(bldNo, flrNo, romId)));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    QCOMPARE(lenAryRoom, loaded ? 2 : 1);
    QCOMPARE(aryRoom.first().LockNo, QString("001001001"));
    if (loaded) {
        QVERIFY(port.boxes().isEmpty());
        QCOMPARE(aryRoom.last().LockNo, QString("999999999"));
        return;
    }
    QCOMPARE(port.captions(), QStringList{"E0067"});
    const QString text = port.boxes().first().text;
    QVERIFY(text.startsWith("System Error---E0067\n"));
    QVERIFY2(text.endsWith(QStringLiteral("\nBldNo: %1\nFlrNo: %2\nRomID: %3\nRoomNo: X")
                               .arg(bldNo, QString(flrNo).remove('\''), romId)),
             qPrintable(text));
}

void TestRooms::amountOutOfRangeFailsItsRow()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addRoom(1, 1, 1, "101"));
    QVERIFY(addRoom(1, 1, 2, "102"));
    QVERIFY(SqlExec("UPDATE RoomInfo SET Price=999999999999999 WHERE RomID=2"));
    ScriptedPort &port = m_world->port;
    QVERIFY(!LoadAryRoom());
    QCOMPARE(port.captions(), QStringList{"E0067"});
    const QString text = port.boxes()[0].text;
    QVERIFY2(text.startsWith("System Error---E0067\nAmount out of range\nLockNo: 001001002\nPrice: 999999999999999"),
             qPrintable(text));
    // A registry without some of the rooms would send cards to the wrong doors.
    QCOMPARE(lenAryRoom, 0);
}

void TestRooms::findsRooms_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    const QString count = "\n4";
    QTest::newRow("room number") << 1 << "1-204" << "" << 2 << "" << "";
    QTest::newRow("room number, letter case counts")
        << 1 << "2-101A" << "" << -1 << "E0021" << Common.errBldRoomNo + "\n2-101A" + count;
    QTest::newRow("lock number") << 2 << "001002003" << "" << 1 << "" << "";
    QTest::newRow("lock number of no room")
        << 2 << "009009009" << "" << -1 << "E0022" << "Error Lock No.\n009009009" + count;
    QTest::newRow("lock number of no room, in the reports") << 2 << "009009009" << "Reports" << -1 << "" << "";
    QTest::newRow("lock number of 5 characters")
        << 2 << "00100" << "" << -2 << "E0020" << "Error on call GetPointerOfAryRoom\nii: 2\nss: 00100";
    QTest::newRow("mode 6") << 6 << "1-101" << "" << -2 << "E0020" << "Error on call GetPointerOfAryRoom\nii: 6\nss: 1-101";
    QTest::newRow("mode 0") << 0 << "1-101" << "" << -2 << "E0020" << "Error on call GetPointerOfAryRoom\nii: 0\nss: 1-101";
    QTest::newRow("building: its first room") << 3 << "2" << "" << 3 << "" << "";
    QTest::newRow("building without rooms")
        << 3 << "5" << "" << -1 << "N9034" << Common.msgAddRoom + "\n5,Annex";
    QTest::newRow("floor: its first room") << 4 << "001002" << "" << 1 << "" << "";
    QTest::newRow("floor without rooms") << 4 << "001009" << "" << -1 << "" << "";
    QTest::newRow("card count") << 5 << "1-203" << "" << 2 << "" << "";
    QTest::newRow("card count of no room") << 5 << "1-999" << "" << 0 << "" << "";
}

void TestRooms::findsRooms()
{
    QFETCH(int, mode);
    QFETCH(QString, key);
    QFETCH(QString, menu);
    QFETCH(int, result);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    setRegistry();
    curMenu = menu;
    curBldNoName = "5,Annex";
    ScriptedPort &port = m_world->port;
    QCOMPARE(GetPointerOfAryRoom(mode, key), result);
    QCOMPARE(port.captions(), caption.isEmpty() ? QStringList() : QStringList{caption});
    if (!caption.isEmpty())
        QCOMPARE(port.boxes()[0].text, text);
}

void TestRooms::namesTheRoomOfALockAddress_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("room");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("index 3, floor 2, building 1") << "80030201" << "" << "1-203" << QStringList{};
    QTest::newRow("the first byte does not matter") << "FF030201" << "" << "1-203" << QStringList{};
    QTest::newRow("no such lock") << "00090201" << "" << "Error: 00090201" << QStringList{"E0022"};
    QTest::newRow("no such lock, in the reports") << "00090201" << "Reports" << "Error: 00090201" << QStringList{};
    QTest::newRow("not hexadecimal") << "00G30201" << "" << "Error: 00G30201" << QStringList{};
    QTest::newRow("too short") << "030201" << "" << "Error: 030201" << QStringList{};
}

void TestRooms::namesTheRoomOfALockAddress()
{
    QFETCH(QString, code);
    QFETCH(QString, menu);
    QFETCH(QString, room);
    QFETCH(QStringList, captions);
    setRegistry();
    curMenu = menu;
    ScriptedPort &port = m_world->port;
    QCOMPARE(BldRoomNoOfLockAddress(code), room);
    QCOMPARE(port.captions(), captions);
    if (!captions.isEmpty())
        QCOMPARE(port.boxes()[0].text, QString("Error Lock No.\n001002009\n4"));
}

void TestRooms::savesTheRoomState()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addRoom(1, 1, 1, "101"));
    QVERIFY(addRoom(1, 1, 2, "102"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    TRoomInfo room = aryRoom[1];
    room.Status = Common.RoomStatus_OC_WalkIn;
    room.Dai = 8;
    room.CardCount = 2;
    room.BeiZhu = "late arrival";
    room.ReservCkIn = QDateTime(QDate(2025, 3, 1), QTime(14, 0));
    room.FirstCkOut = DateTimeZero();
    // Only the state columns are written.
    room.Price = Currency::fromWhole(1);
    QVERIFY(SaveRoomState(room, 1));
    QVERIFY(port.boxes().isEmpty());
    QCOMPARE(aryRoom[1].CardCount, 2);
    QCOMPARE(aryRoom[1].Price, Currency::fromWhole(1));
    // The zero is written as that date-time, not as an empty column.
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo WHERE FirstCkOut IS NULL AND RomID = 2").toInt(), 0);
    LoadAryRoom();
    const TRoomInfo &saved = aryRoom[1];
    QCOMPARE(saved.Status, Common.RoomStatus_OC_WalkIn);
    QCOMPARE(saved.Dai, 8);
    QCOMPARE(saved.CardCount, 2);
    QCOMPARE(saved.BeiZhu, QString("late arrival"));
    QCOMPARE(saved.ReservCkIn, room.ReservCkIn);
    QCOMPARE(saved.FirstCkOut, DateTimeZero());
    QCOMPARE(saved.Price, Currency::parse("288.5").value());
    QCOMPARE(aryRoom[0].CardCount, 0);
}

void TestRooms::keepsTheRegistryWhenTheSaveFails()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(addRoom(1, 2, 3, "203"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    QVERIFY(SqlExec("DROP TABLE RoomInfo"));
    TRoomInfo room = aryRoom[0];
    room.Status = "Guest";
    room.Dai = 9;
    room.CardCount = 1;
    room.FirstCkOut = QDateTime(QDate(2025, 3, 2), QTime(12, 0));
    QVERIFY(!SaveRoomState(room, 0));
    QCOMPARE(port.captions(), QStringList{"E0025"});
    const QString text = port.boxes()[0].text;
    QVERIFY(text.startsWith("Update RoomInfo Failure\n"));
    QVERIFY(text.endsWith("\nLockNo: 001002003\nStatus: Guest\nDai: 9\nCardCount: 1\nFirstCkOut: 2025-03-02 12:00:00"));
    QCOMPARE(aryRoom[0].Status, QString("Vacant"));
    QCOMPARE(aryRoom[0].CardCount, 0);
}

void TestRooms::listsBuildingsAndFloors()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (7, 'Garden')"));
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (2, 'Main')"));
    QVERIFY(addRoom(2, 10, 1, "1001"));
    QVERIFY(addRoom(2, 2, 1, "201"));
    QVERIFY(addRoom(2, 2, 2, "202"));
    QVERIFY(addRoom(7, 1, 1, "101"));
    ScriptedPort &port = m_world->port;
    QStringList buildings{"(all)"};
    LoadBuildings(buildings);
    QCOMPARE(buildings, (QStringList{"(all)", "Main", "Garden"}));
    QCOMPARE(aryBldNo, (QList<int>{2, 7}));
    QStringList floors;
    LoadFloors(2, floors);
    QCOMPARE(floors, (QStringList{"2", "10"}));
    QVERIFY(port.boxes().isEmpty());
}

void TestRooms::setsAndReadsBits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("bitBefore");
    QTest::newRow("156, bit 2 off") << 156 << 2 << false << 152 << true;
    QTest::newRow("156, bit 0 on") << 156 << 0 << true << 157 << false;
    QTest::newRow("156, bit 2 on: already set") << 156 << 2 << true << 156 << true;
    QTest::newRow("156, bit 0 off: already clear") << 156 << 0 << false << 156 << false;
    QTest::newRow("0, bit 7 on") << 0 << 7 << true << 128 << false;
    QTest::newRow("255, bit 1 off") << 255 << 1 << false << 253 << true;
    // An n outside 0..7 reads bit 0 but changes bit 1; the change looks at
    // bit 1 itself, so 1 never becomes -1.
    QTest::newRow("1, bit 9 off") << 1 << 9 << false << 1 << true;
    QTest::newRow("1, bit 9 on") << 1 << 9 << true << 3 << true;
}

void TestRooms::setsAndReadsBits()
{
    QFETCH(int, value);
    QFETCH(int, n);
    QFETCH(bool, on);
    QFETCH(int, result);
    QFETCH(bool, bitBefore);
    QCOMPARE(GetBit(value, n), bitBefore);
    QCOMPARE(SetBit(value, n, on), result);
}

QTEST_GUILESS_MAIN(TestRooms)
#include "tst_rooms.moc"
