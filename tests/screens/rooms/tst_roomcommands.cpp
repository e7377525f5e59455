#include "core/ini.h"
#include "core/settings.h"
#include "screens/rooms/lockidexport.h"
#include "screens/rooms/roomcommands.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QFile>
#include <QTest>

class TestRoomCommands : public QObject {
    Q_OBJECT
private slots:
    // Every test runs on both engines.
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void addsBuildings_data();
    void addsBuildings();
    void renamesOnlyToANewName_data();
    void renamesOnlyToANewName();
    void removesABuildingWithItsRooms();
    void removesABuildingWholeOrNotAtAll_data();
    void removesABuildingWholeOrNotAtAll();
    void togglesPublicDoors_data();
    void togglesPublicDoors();
    void editsTheSecondIndex_data();
    void editsTheSecondIndex();
    void failedDoorSaveLeavesTheRoomAsSaved_data();
    void failedDoorSaveLeavesTheRoomAsSaved();
    void modifiesRoomColumns_data();
    void modifiesRoomColumns();
    void exportsLockIds();
    void exportsOneKeyPerSecondIndex();

private:
    std::optional<TestWorld> m_world;
    RoomsDefinationTexts m_texts;
};

namespace {

const TBuildingInfo kMain{1, "Main"};

// A room of building 1.
TRoomInfo room(int flrNo, int romId, const QString &roomNo, int publicDoor = 0)
{
    TRoomInfo r = SampleRoom(1, flrNo, romId, roomNo);
    r.PublicDoor = publicDoor;
    return r;
}

} // namespace

void TestRoomCommands::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace();
    QVERIFY(m_world->deliverDatabase(engine));
    m_texts = ReadRoomsDefinationTexts();
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(AddRoomRow(room(2, 3, "203")));
    QVERIFY(AddRoomRow(room(2, 4, "204", kPublicDoorOpens)));
}

void TestRoomCommands::addsBuildings_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("buildings");
    QTest::newRow("16, past what the prompt names") << "16" << QStringList{} << 2;
    QTest::newRow("250") << "250" << QStringList{} << 2;
    QTest::newRow("251") << "251" << QStringList{"E0003"} << 1;
    QTest::newRow("-1") << "-1" << QStringList{"E0003"} << 1;
    QTest::newRow("1a") << "1a" << QStringList{"E0003"} << 1;
    QTest::newRow("empty ends silently") << "  " << QStringList{} << 1;
    QTest::newRow("a number in use") << "1" << QStringList{"E0004"} << 1;
}

void TestRoomCommands::addsBuildings()
{
    QFETCH(QString, number);
    QFETCH(QStringList, captions);
    QFETCH(int, buildings);
    ScriptedPort &port = m_world->port;
    port.input(number);
    port.input("  Garden Wing  ");
    AddBuilding(m_texts, "Insert a New Building");
    QCOMPARE(port.captions(), captions);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM BuildingInfo").toInt(), buildings);
    if (captions == QStringList{"E0003"})
        QCOMPARE(port.boxes().first().text, "Please specify the Building No. between 0-15.\n" + number);
    if (captions.isEmpty() && buildings == 2)
        QCOMPARE(SqlScalar("SELECT BldName FROM BuildingInfo WHERE BldNo=" + number).toString(), QString("Garden Wing"));
}

void TestRoomCommands::renamesOnlyToANewName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("name");
    QTest::newRow("same name") << "Main" << false << "Main";
    QTest::newRow("blanks") << "   " << false << "Main";
    QTest::newRow("new name, cut to 100") << QString(120, 'N') << true << QString(100, 'N');
}

void TestRoomCommands::renamesOnlyToANewName()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    QFETCH(QString, name);
    ScriptedPort &port = m_world->port;
    port.input(answer);
    QCOMPARE(RenameBuilding(m_texts, "Modify Building Name", kMain), written);
    QCOMPARE(SqlScalar("SELECT BldName FROM BuildingInfo WHERE BldNo=1").toString(), name);
    QVERIFY(port.boxes().isEmpty());
}

void TestRoomCommands::removesABuildingWithItsRooms()
{
    ScriptedPort &port = m_world->port;
    port.answer(BoxAnswer::Ok);
    port.answer(BoxAnswer::Cancel);
    QVERIFY(!RemoveBuilding(m_texts, kMain));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 2);
    port.answer(BoxAnswer::Ok);
    port.answer(BoxAnswer::Ok);
    QVERIFY(RemoveBuilding(m_texts, kMain));
    QCOMPARE(port.captions(), (QStringList{"N9004", "N9005", "N9004", "N9005"}));
    QCOMPARE(port.boxes()[0].text, QString("Are you sure to remove the selected building?\n1,Main"));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 0);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM BuildingInfo").toInt(), 0);
}

void TestRoomCommands::togglesPublicDoors_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("after");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("F8 sets *") << 0 << kPublicDoorSet << kPublicDoorSet << QStringList{"N9024"};
    QTest::newRow("F8 clears *") << kPublicDoorSet << kPublicDoorSet << 0 << QStringList{"N9024"};
    QTest::newRow("F8 on # clears it") << kPublicDoorOpens << kPublicDoorSet << 0 << QStringList{"N9024"};
    QTest::newRow("F9 sets # without asking") << 0 << kPublicDoorOpens << kPublicDoorOpens << QStringList{};
    QTest::newRow("F9 on * clears it") << kPublicDoorSet << kPublicDoorOpens << 0 << QStringList{};
}

void TestRoomCommands::togglesPublicDoors()
{
    QFETCH(int, before);
    QFETCH(int, mark);
    QFETCH(int, after);
    QFETCH(QStringList, captions);
    TRoomInfo r = room(2, 3, "203", before);
    QVERIFY(SqlExec(QStringLiteral("UPDATE RoomInfo SET PublicDoor=%1 WHERE RomID=3").arg(before)));
    ScriptedPort &port = m_world->port;
    port.answer(BoxAnswer::Ok);
    QVERIFY(TogglePublicDoor(m_texts, mark, kMain, r, RoomKeyOf(r)));
    QCOMPARE(port.captions(), captions);
    QCOMPARE(r.PublicDoor, after);
    QCOMPARE(SqlScalar("SELECT PublicDoor FROM RoomInfo WHERE RomID=3").toInt(), after);
    QCOMPARE(PublicDoorMark(after), after == kPublicDoorSet ? QString("*") : after ? QString("#") : QString());
}

void TestRoomCommands::editsTheSecondIndex_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("251 accepted") << "251" << 251 << QStringList{};
    QTest::newRow("252 refused") << "252" << 3 << QStringList{"N9025"};
    QTest::newRow("cancelled") << QString() << 3 << QStringList{};
}

void TestRoomCommands::editsTheSecondIndex()
{
    QFETCH(QString, answer);
    QFETCH(int, stored);
    QFETCH(QStringList, captions);
    TRoomInfo r = room(2, 3, "203");
    ScriptedPort &port = m_world->port;
    if (answer.isNull())
        port.cancelInput();
    else
        port.input(answer);
    EditSecondIndex(m_texts, "Modify Room Information", r, RoomKeyOf(r));
    QCOMPARE(port.captions(), captions);
    QCOMPARE(SqlScalar("SELECT RomID2 FROM RoomInfo WHERE RomID=3").toInt(), stored);
    QCOMPARE(r.LockNo, QString("001002003"));
}

void TestRoomCommands::modifiesRoomColumns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("floor") << int(ColFloor) << "5" << "SELECT FlrNo FROM RoomInfo WHERE RoomNo='203'" << "5"
                           << QStringList{};
    QTest::newRow("floor 251 refused") << int(ColFloor) << "251" << "SELECT FlrNo FROM RoomInfo WHERE RoomNo='203'"
                                       << "2" << QStringList{"N9016"};
    QTest::newRow("price") << int(ColPrice) << "99.5" << "SELECT Price FROM RoomInfo WHERE RomID=3" << "99.5"
                           << QStringList{};
    QTest::newRow("price with a letter") << int(ColPrice) << "9a" << "SELECT Price FROM RoomInfo WHERE RomID=3"
                                         << "288" << QStringList{"N9017"};
    QTest::newRow("price without a leading digit") << int(ColPrice) << ".5" << "SELECT Price FROM RoomInfo WHERE RomID=3"
                                                   << "0.5" << QStringList{};
    QTest::newRow("price rounded to four decimals")
        << int(ColHourStartup) << "12.34567" << "SELECT HourRateStartup FROM RoomInfo WHERE RomID=3" << "12.3457"
        << QStringList{};
    QTest::newRow("price ending in a point") << int(ColPrice) << "5." << "SELECT Price FROM RoomInfo WHERE RomID=3"
                                             << "5" << QStringList{};
    QTest::newRow("a point alone counts as 0") << int(ColPrice) << "." << "SELECT Price FROM RoomInfo WHERE RomID=3"
                                               << "0" << QStringList{};
    QTest::newRow("price of dots counts as 0") << int(ColHourPrice) << "1.2.3"
                                               << "SELECT HourRatePrice FROM RoomInfo WHERE RomID=3" << "0"
                                               << QStringList{};
    QTest::newRow("cards 0 refused") << int(ColCards) << "0" << "SELECT MaxCards FROM RoomInfo WHERE RomID=3" << "3"
                                     << QStringList{"N9018"};
    QTest::newRow("index in use on the floor") << int(ColLockNo) << "4"
                                               << "SELECT COUNT(*) FROM RoomInfo WHERE RomID=3" << "1"
                                               << QStringList{"E0010"};
    QTest::newRow("new index") << int(ColLockNo) << "9" << "SELECT RoomNo FROM RoomInfo WHERE RomID=9" << "203"
                               << QStringList{};
    QTest::newRow("status is not edited") << int(ColStatus) << "Guest" << "SELECT Status FROM RoomInfo WHERE RomID=3"
                                          << "Vacant" << QStringList{};
}

void TestRoomCommands::modifiesRoomColumns()
{
    QFETCH(int, column);
    QFETCH(QString, answer);
    QFETCH(QString, check);
    QFETCH(QString, expected);
    QFETCH(QStringList, captions);
    ScriptedPort &port = m_world->port;
    port.input(answer);
    const TRoomInfo r = room(2, 3, "203");
    ModifyRoom(m_texts, "Modify Room Information", column, "Header", kMain, r, RoomKeyOf(r));
    QCOMPARE(port.captions(), captions);
    const QVariant value = SqlScalar(check);
    QCOMPARE(column == ColPrice || column == ColHourStartup || column == ColHourPrice ? Currency::fromSql(value)->toString()
                                                                                      : value.toString(),
             expected);
    if (captions == QStringList{"E0010"})
        QVERIFY(port.boxes().first().text.endsWith("\n001002003 --> 001002004"));
}

void TestRoomCommands::removesABuildingWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("failing"); // the table whose delete fails
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("building row") << "BuildingInfo" << "E0005" << "Remove Building Failure.\n1,Main";
    QTest::newRow("rooms, after the building row went") << "RoomInfo" << "E0006" << "Remove Room Failure.\n1,Main";
}

void TestRoomCommands::removesABuildingWholeOrNotAtAll()
{
    QFETCH(QString, failing);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QVERIFY(SqlExec("ALTER TABLE " + failing + " RENAME TO Away"));
    ScriptedPort &port = m_world->port;
    port.answer(BoxAnswer::Ok);
    port.answer(BoxAnswer::Ok);
    RemoveBuilding(m_texts, kMain);
    QCOMPARE(port.captions(), (QStringList{"N9004", "N9005", caption}));
    QCOMPARE(port.boxes().last().text, text);
    QVERIFY(SqlExec("ALTER TABLE Away RENAME TO " + failing));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM BuildingInfo").toInt(), 1);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 2);
}

void TestRoomCommands::failedDoorSaveLeavesTheRoomAsSaved_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("F8") << int(Qt::Key_F8) << QStringList{"N9024", "E0011"};
    QTest::newRow("F9") << int(Qt::Key_F9) << QStringList{"E0011"};
    QTest::newRow("F10") << int(Qt::Key_F10) << QStringList{"E0011"};
}

void TestRoomCommands::failedDoorSaveLeavesTheRoomAsSaved()
{
    QFETCH(int, key);
    QFETCH(QStringList, captions);
    QVERIFY(SqlExec("ALTER TABLE RoomInfo RENAME TO Away"));
    const TRoomInfo saved = room(2, 4, "204", kPublicDoorOpens);
    TRoomInfo r = saved;
    ScriptedPort &port = m_world->port;
    port.answer(BoxAnswer::Ok);
    port.input("9");
    const bool written = key == Qt::Key_F10
        ? EditSecondIndex(m_texts, "Modify Room Information", r, RoomKeyOf(r))
        : TogglePublicDoor(m_texts, key == Qt::Key_F8 ? kPublicDoorSet : kPublicDoorOpens, kMain, r, RoomKeyOf(r));
    QVERIFY(!written);
    QCOMPARE(port.captions(), captions);
    QCOMPARE(port.boxes().last().text.section('\n', 0, 0), QString("Modify Public Door Failure"));
    QCOMPARE(r.PublicDoor, saved.PublicDoor);
    QCOMPARE(r.RomID2, saved.RomID2);
}

void TestRoomCommands::exportsLockIds()
{
    m_world->folder.write("LOCKID.INI", "[OTHER]\nA=1\n[LOCKID]\n999999999=old\n");
    const QString path = ExportLockIds();
    QCOMPARE(path, settings.WorkPath + "LOCKID.INI");
    const IniFile lockIds(path);
    QCOMPARE(lockIds.readString("LOCKID", "001002003", ""), QString("203"));
    QCOMPARE(lockIds.readString("LOCKID", "999999999", "gone"), QString("gone"));
    QCOMPARE(lockIds.readString("OTHER", "A", ""), QString("1"));
}

void TestRoomCommands::exportsOneKeyPerSecondIndex()
{
    // Two rooms of floor 2 without a second index, and one of floor 3.
    for (const TRoomInfo &r : {room(2, 5, "205"), room(2, 6, "206"), room(3, 5, "305")}) {
        TRoomInfo withoutIndex = r;
        withoutIndex.RomID2 = 0;
        QVERIFY(AddRoomRow(withoutIndex));
    }
    const QString path = ExportLockIds();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).remove('\r').split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{"[LOCKID]", "001002003=203", "001002004=204", "001002000=206", "001003000=305"}));
}

QTEST_GUILESS_MAIN(TestRoomCommands)
#include "tst_roomcommands.moc"
