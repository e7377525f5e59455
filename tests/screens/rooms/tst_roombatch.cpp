#include "screens/rooms/numberrange.h"
#include "screens/rooms/roombatch.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

class TestRoomBatch : public QObject {
    Q_OBJECT
private slots:
    void parsesNumberRanges_data();
    void parsesNumberRanges();
    void insertsRooms_data();
    void insertsRooms();
    void rerunningABatchReportsEveryRoom_data() { AddEngineColumn(); AddEngineRows(); }
    void rerunningABatchReportsEveryRoom();
};

namespace {

const TBuildingInfo kBuilding{1, "Main"};

// "floor/index/second index/room number" of every room of building 1, in lock-number order.
QStringList roomsInDatabase()
{
    QSqlQuery query(Db());
    query.exec("SELECT FlrNo, RomID, RomID2, RoomNo FROM RoomInfo WHERE BldNo=1 ORDER BY FlrNo, RomID");
    QStringList rooms;
    while (query.next())
        rooms.append(QStringLiteral("%1/%2/%3/%4").arg(query.value(0).toInt()).arg(query.value(1).toInt())
                         .arg(query.value(2).toInt()).arg(query.value(3).toString()));
    return rooms;
}

void answerRest(ScriptedPort &port)
{
    for (const char *answer : {"Standard", "288", "0", "0", "3"})
        port.input(answer);
}

bool runBatch(ScriptedPort &port, const QStringList &answers)
{
    for (const QString &answer : answers)
        port.input(answer);
    answerRest(port);
    const RoomBatchPrompts prompts{"Insert Room(s)", "Hour Rate Start-up", " Hour Rate Price"};
    return InsertNewRooms(ReadRoomsDefinationTexts(), prompts, kBuilding, TRoomInfo());
}

} // namespace

void TestRoomBatch::parsesNumberRanges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("single") << "208" << 1 << "208" << "208";
    QTest::newRow("range") << "101-1620" << 2 << "101" << "1620";
    QTest::newRow("leading dash") << "-1" << 0 << "" << "";
    QTest::newRow("trailing dash") << "1-" << 0 << "" << "";
    QTest::newRow("two dashes") << "1--3" << 0 << "" << "";
    QTest::newRow("letter") << "12a" << 0 << "" << "";
    QTest::newRow("nine digits") << "123456789" << 0 << "" << "";
    QTest::newRow("eight digits") << "12345678" << 1 << "12345678" << "12345678";
    QTest::newRow("descending") << "16-1" << 0 << "" << "";
    QTest::newRow("equal ends") << "5-5" << 0 << "" << "";
    QTest::newRow("blank inside") << "1 -2" << 0 << "" << "";
}

void TestRoomBatch::parsesNumberRanges()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const NumberRange range = ParseNumberRange(text);
    QCOMPARE(range.kind, kind);
    if (kind != 0) {
        QCOMPARE(range.first, first);
        QCOMPARE(range.last, last);
    }
}

void TestRoomBatch::insertsRooms_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("rooms");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("offeredIndex"); // the index a single room's third box offers

    QStringList tower;
    for (int floor = 1; floor <= 16; ++floor) {
        for (int index = 1; index <= 20; ++index)
            tower.append(QStringLiteral("%1/%2/%2/%1%3").arg(floor).arg(index).arg(index, 2, 10, QLatin1Char('0')));
    }
    QTest::newRow("floors 1-16, rooms 101-1620") << QStringList{"1-16", "101-1620"} << tower << QStringList{} << "";
    QTest::newRow("one floor run") << QStringList{"3", "301-310"}
                                   << QStringList{"3/1/1/301", "3/2/2/302", "3/3/3/303", "3/4/4/304", "3/5/5/305",
                                                  "3/6/6/306", "3/7/7/307", "3/8/8/308", "3/9/9/309", "3/10/10/310"}
                                   << QStringList{} << "";
    QTest::newRow("short first part: no prefix")
        << QStringList{"3", "5-9"} << QStringList{"3/5/5/05", "3/6/6/06", "3/7/7/07", "3/8/8/08", "3/9/9/09"}
        << QStringList{} << "";
    QTest::newRow("floor run ignores the leading digit")
        << QStringList{"1-3", "901-903"}
        << QStringList{"1/1/1/101", "1/2/2/102", "1/3/3/103", "2/1/1/201", "2/2/2/202", "2/3/3/203",
                       "3/1/1/301", "3/2/2/302", "3/3/3/303"}
        << QStringList{} << "";
    QTest::newRow("single room keeps its index") << QStringList{"2", "208", "208"} << QStringList{"2/208/8/208"}
                                                 << QStringList{} << "208";
    QTest::newRow("offered index over 250 refused") << QStringList{"12", "1260", "260"} << QStringList{}
                                                    << QStringList{"N9010"} << "260";
    QTest::newRow("room text that is no number") << QStringList{"2", "A12", "5"} << QStringList{"2/5/0/A12"}
                                                 << QStringList{} << "";
    QTest::newRow("range with equal ends is one room") << QStringList{"2", "101-201", "1"}
                                                       << QStringList{"2/1/1/101-201"} << QStringList{} << "";
    QTest::newRow("empty index range") << QStringList{"2", "190-205"} << QStringList{} << QStringList{} << "";
    for (const char *floors : {"16-1", "1--3", "-1", "1-", "12a", "123456789", "5-5", "251", "0-251"})
        QTest::addRow("floors %s refused", floors) << QStringList{floors} << QStringList{} << QStringList{"N9008"} << "";
    QTest::newRow("single room over several floors") << QStringList{"1-2", "305"} << QStringList{}
                                                     << QStringList{"N9009"} << "";
    QTest::newRow("no number over several floors") << QStringList{"1-2", "A12"} << QStringList{}
                                                   << QStringList{"N9009"} << "";
}

void TestRoomBatch::insertsRooms()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, rooms);
    QFETCH(QStringList, captions);
    QFETCH(QString, offeredIndex);
    TestWorld world;
    QVERIFY(world.deliverDatabase(Engine::SQLite));
    ScriptedPort &port = world.port;
    runBatch(port, answers);
    QCOMPARE(port.captions(), captions);
    QCOMPARE(roomsInDatabase(), rooms);
    if (answers.size() == 3)
        QCOMPARE(port.offered().at(2), offeredIndex);
}

void TestRoomBatch::rerunningABatchReportsEveryRoom()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    ScriptedPort &port = world.port;
    QVERIFY(runBatch(port, {"3", "301-303"}));
    QVERIFY(port.boxes().isEmpty());
    QVERIFY(runBatch(port, {"3", "301-303"}));
    QCOMPARE(port.captions(), (QStringList{"E0008", "E0008", "E0008"}));
    QVERIFY(port.boxes()[0].text.startsWith("Added guestrooms not successfully. Please check Index No.\n"));
    QVERIFY(port.boxes()[0].text.endsWith("\n001003001"));
    QVERIFY(port.boxes()[2].text.endsWith("\n001003003"));
    QCOMPARE(roomsInDatabase().size(), 3);
}

QTEST_GUILESS_MAIN(TestRoomBatch)
#include "tst_roombatch.moc"
