#include "core/ini.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "screens/rooms/lockidexport.h"
#include "screens/rooms/roomcommands.h"
#include "support/scriptedport.h"
#include "support/testdatabase.h"
#include "support/workfolder.h"

#include <QSqlQuery>
#include <QTest>

class TestRoomCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { LoadSharedTexts(); }
    void init();
    void cleanup();
    void addsBuildings_data();
    void addsBuildings();
    void renamesOnlyToANewName_data();
    void renamesOnlyToANewName();
    void removesABuildingWithItsRooms();
    void togglesPublicDoors_data();
    void togglesPublicDoors();
    void editsTheSecondIndex_data();
    void editsTheSecondIndex();
    void modifiesRoomColumns_data();
    void modifiesRoomColumns();
    void exportsLockIds();

private:
    WorkFolder *m_folder = nullptr;
    RoomsDefinationTexts m_texts;
};

namespace {

const TBuildingInfo kMain{1, "Main"};

void exec(const QString &sql)
{
    QSqlQuery query(Db());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

QVariant scalar(const QString &sql)
{
    QSqlQuery query(Db());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

TRoomInfo room(int flrNo, int romId, const QString &roomNo, int publicDoor = 0)
{
    TRoomInfo r;
    r.BldNo = 1;
    r.FlrNo = flrNo;
    r.RomID = romId;
    r.RomID2 = romId;
    r.RoomNo = roomNo;
    r.sType = "Standard";
    r.Price = Currency::fromWhole(288);
    r.MaxCards = 3;
    r.PublicDoor = publicDoor;
    r.LockNo = QStringLiteral("001%1%2").arg(flrNo, 3, 10, QLatin1Char('0')).arg(romId, 3, 10, QLatin1Char('0'));
    return r;
}

void store(const TRoomInfo &r)
{
    QSqlQuery insert(Db());
    insert.prepare("INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RomID2, RoomNo, sType, Status, Price, MaxCards, "
                   "PublicDoor) VALUES (:a, :b, :c, :d, :e, :f, 'Vacant', :g, :h, :i)");
    const QVariantList values{r.BldNo, r.FlrNo, r.RomID, r.RomID2, r.RoomNo, r.sType, r.Price.toSql(), r.MaxCards,
                              r.PublicDoor};
    const char *names[] = {":a", ":b", ":c", ":d", ":e", ":f", ":g", ":h", ":i"};
    for (int i = 0; i < values.size(); ++i)
        insert.bindValue(names[i], values[i]);
    QVERIFY(insert.exec());
}

} // namespace

void TestRoomCommands::init()
{
    m_folder = new WorkFolder;
    LoadSettings();
    m_texts = RoomsDefinationTexts::load();
    QString error;
    QVERIFY2(MakeDeliveredDatabase(Engine::SQLite, &error), qPrintable(error));
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    store(room(2, 3, "203"));
    store(room(2, 4, "204", kPublicDoorOpens));
}

void TestRoomCommands::cleanup()
{
    CloseDatabase();
    delete m_folder;
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
    ScriptedPort port;
    port.input(number);
    port.input("  Garden Wing  ");
    AddBuilding(m_texts, "Insert a New Building");
    QCOMPARE(port.captions(), captions);
    QCOMPARE(scalar("SELECT COUNT(*) FROM BuildingInfo").toInt(), buildings);
    if (captions == QStringList{"E0003"})
        QCOMPARE(port.boxes().first().text, "Please specify the Building No. between 0-15.\n" + number);
    if (captions.isEmpty() && buildings == 2)
        QCOMPARE(scalar("SELECT BldName FROM BuildingInfo WHERE BldNo=" + number).toString(), QString("Garden Wing"));
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
    ScriptedPort port;
    port.input(answer);
    QCOMPARE(RenameBuilding(m_texts, "Modify Building Name", kMain), written);
    QCOMPARE(scalar("SELECT BldName FROM BuildingInfo WHERE BldNo=1").toString(), name);
    QVERIFY(port.boxes().isEmpty());
}

void TestRoomCommands::removesABuildingWithItsRooms()
{
    ScriptedPort port;
    port.answer(BoxAnswer::Ok);
    port.answer(BoxAnswer::Cancel);
    QVERIFY(!RemoveBuilding(m_texts, kMain));
    QCOMPARE(scalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 2);
    port.answer(BoxAnswer::Ok);
    port.answer(BoxAnswer::Ok);
    QVERIFY(RemoveBuilding(m_texts, kMain));
    QCOMPARE(port.captions(), (QStringList{"N9004", "N9005", "N9004", "N9005"}));
    QCOMPARE(port.boxes()[0].text, QString("Are you sure to remove the selected building?\n1,Main"));
    QCOMPARE(scalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 0);
    QCOMPARE(scalar("SELECT COUNT(*) FROM BuildingInfo").toInt(), 0);
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
    exec(QStringLiteral("UPDATE RoomInfo SET PublicDoor=%1 WHERE RomID=3").arg(before));
    ScriptedPort port;
    port.answer(BoxAnswer::Ok);
    QVERIFY(TogglePublicDoor(m_texts, mark, kMain, r));
    QCOMPARE(port.captions(), captions);
    QCOMPARE(r.PublicDoor, after);
    QCOMPARE(scalar("SELECT PublicDoor FROM RoomInfo WHERE RomID=3").toInt(), after);
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
    ScriptedPort port;
    if (answer.isNull())
        port.cancelInput();
    else
        port.input(answer);
    EditSecondIndex(m_texts, "Modify Room Information", r);
    QCOMPARE(port.captions(), captions);
    QCOMPARE(scalar("SELECT RomID2 FROM RoomInfo WHERE RomID=3").toInt(), stored);
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
    ScriptedPort port;
    port.input(answer);
    ModifyRoom(m_texts, "Modify Room Information", column, "Header", kMain, room(2, 3, "203"));
    QCOMPARE(port.captions(), captions);
    const QVariant value = scalar(check);
    QCOMPARE(column == ColPrice || column == ColHourPrice ? Currency::fromSql(value)->toString() : value.toString(),
             expected);
    if (captions == QStringList{"E0010"})
        QVERIFY(port.boxes().first().text.endsWith("\n001002003 --> 001002004"));
}

void TestRoomCommands::exportsLockIds()
{
    m_folder->write("LOCKID.INI", "[OTHER]\nA=1\n[LOCKID]\n999999999=old\n");
    const QString path = ExportLockIds();
    QCOMPARE(path, settings.WorkPath + "LOCKID.INI");
    const IniFile lockIds(path);
    QCOMPARE(lockIds.readString("LOCKID", "001002003", ""), QString("203"));
    QCOMPARE(lockIds.readString("LOCKID", "999999999", "gone"), QString("gone"));
    QCOMPARE(lockIds.readString("OTHER", "A", ""), QString("1"));
}

QTEST_GUILESS_MAIN(TestRoomCommands)
#include "tst_roomcommands.moc"
