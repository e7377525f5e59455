#include "core/state.h"
#include "screens/rooms/roomsdefination.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

// The screen itself: what the grids show, the keys, and the picker.
class TestRoomsDefination : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(WorldOptions{.database = Engine::SQLite}); }
    void cleanup() { m_world.reset(); }
    void noBuildingAnswersWithMsgAddBld();
    void buildingWithoutRoomsShowsN9002();
    void showsRoomsWithMarksAndLockNumbers();
    void removingTheLastRowSelectsTheNewLast();
    void closingTheEditorReloadsTheRegistry();
    void pickerReturnsTheWholeRegistryEntry();
    void pickerKeysDoNotEdit();
    void failedReadsSayNothingAboutTheData_data();
    void failedReadsSayNothingAboutTheData();
    void editsARowThatMakesNoLockNumber();
    void enterOnTheBuildingsPressesNoButton();

private:
    std::optional<TestWorld> m_world;
};

namespace {

// A room of building 1 with an issue counter and a card out, which the picker hands back.
bool addRoom(int flrNo, int romId, const QString &roomNo, int publicDoor = 0)
{
    TRoomInfo room = SampleRoom(1, flrNo, romId, roomNo);
    room.Dai = 4;
    room.CardCount = 1;
    room.PublicDoor = publicDoor;
    return AddRoomRow(room);
}

void openForEditing()
{
    curMenu = "RoomsDefination";
    isSearchLockNo = false;
}

void press(QWidget *widget, Qt::Key key)
{
    QTest::keyClick(widget, key);
}

} // namespace

void TestRoomsDefination::noBuildingAnswersWithMsgAddBld()
{
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    QCOMPARE(screen.Label1->text(), QString("Please add building(s) and guestroom(s)"));
    QCOMPARE(screen.GridRooms->rowCount(), 1);
    screen.cmdDelBld->click();
    screen.cmdModiBld->click();
    screen.cmdAddRoom->click();
    screen.cmdDelRoom->click();
    screen.cmdModiRoom->click();
    QCOMPARE(port.captions(), (QStringList{"N9003", "N9006", "N9007", "N9013", "N9015"}));
    for (const ScriptedPort::Box &box : port.boxes())
        QCOMPARE(box.icon, BoxIcon::Warning);
}

void TestRoomsDefination::buildingWithoutRoomsShowsN9002()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    QCOMPARE(port.captions(), QStringList{"N9002"});
    QCOMPARE(port.boxes().first().text, QString("Please add guestrooms first\n1,Main"));
    QCOMPARE(screen.GridRooms->rowCount(), 1);
    // Delete on the empty row does nothing.
    screen.GridRooms->setFocus();
    press(screen.GridRooms, Qt::Key_Delete);
    QCOMPARE(port.captions(), QStringList{"N9002"});
}

void TestRoomsDefination::showsRoomsWithMarksAndLockNumbers()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(addRoom(2, 4, "204", 128));
    QVERIFY(addRoom(1, 1, "101", 8));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    QCOMPARE(screen.GridRooms->rowCount(), 2);
    QCOMPARE(screen.GridRooms->item(0, 0)->text(), QString("*"));
    QCOMPARE(screen.GridRooms->item(0, 9)->text(), QString("001001001"));
    QCOMPARE(screen.GridRooms->item(1, 0)->text(), QString("#"));
    QCOMPARE(screen.GridRooms->item(1, 4)->text(), QString("288"));
    QCOMPARE(screen.GridRooms->item(1, 9)->text(), QString("001002004"));
    QCOMPARE(screen.Label2->text(), QString("List Of Rooms---Main"));
    QCOMPARE(curRoom.LockNo, QString("001001001"));
    QCOMPARE(curRoom.PublicDoor, 8);
    // F8 on the "#" room clears it, in the grid and the database.
    screen.GridRooms->setCurrentCell(1, 2);
    port.answer(BoxAnswer::Ok);
    press(screen.GridRooms, Qt::Key_F8);
    QCOMPARE(port.captions(), QStringList{"N9024"});
    QCOMPARE(screen.GridRooms->item(1, 0)->text(), QString());
    QCOMPARE(screen.StaBarPanel1->text(), QString("* means SET, # means OPEN"));
    QSqlQuery query(Db());
    QVERIFY(query.exec("SELECT PublicDoor FROM RoomInfo WHERE RomID=4") && query.next());
    QCOMPARE(query.value(0).toInt(), 0);
}

void TestRoomsDefination::removingTheLastRowSelectsTheNewLast()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    for (int index = 1; index <= 3; ++index)
        QVERIFY(addRoom(1, index, QStringLiteral("10%1").arg(index)));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    screen.GridRooms->setCurrentCell(2, 1);
    port.answer(BoxAnswer::Ok);
    press(screen.GridRooms, Qt::Key_Delete);
    QCOMPARE(port.captions(), QStringList{"N9014"});
    QCOMPARE(screen.GridRooms->rowCount(), 2);
    QCOMPARE(screen.GridRooms->currentRow(), 1);
    QCOMPARE(curRoom.RoomNo, QString("102"));
}

void TestRoomsDefination::closingTheEditorReloadsTheRegistry()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    for (const char *answer : {"3", "301-303", "Standard", "288", "0", "0", "3"})
        port.input(answer);
    screen.cmdAddRoom->click();
    QCOMPARE(screen.GridRooms->rowCount(), 3);
    QVERIFY(aryRoom.isEmpty());
    screen.cmdExit->click();
    QCOMPARE(aryRoom.size(), 3);
    QCOMPARE(aryRoom[2].LockNo, QString("001003003"));
}

void TestRoomsDefination::pickerReturnsTheWholeRegistryEntry()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(addRoom(1, 1, "101"));
    QVERIFY(addRoom(1, 2, "102"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    curMenu = "Receiption";
    isSearchLockNo = true;
    TfrmRoomsDefination screen;
    screen.show();
    QCOMPARE(screen.windowTitle(), QString("Search Lock No."));
    QVERIFY(screen.GroupBox1->isHidden());
    screen.GridRooms->setCurrentCell(1, 3);
    press(screen.GridRooms, Qt::Key_Return);
    QVERIFY(!screen.isVisible());
    QCOMPARE(curRoom.BldRoomNo, QString("1-102"));
    QCOMPARE(curRoom.Dai, 4);
    QCOMPARE(curRoom.CardCount, 1);
    QCOMPARE(curRoom.LockNo, QString("001001002"));
    QCOMPARE(curBld.BldNo, 1);
    QVERIFY(port.boxes().isEmpty());
}

void TestRoomsDefination::pickerKeysDoNotEdit()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(addRoom(1, 1, "101"));
    ScriptedPort &port = m_world->port;
    LoadAryRoom();
    curMenu = "KeysForStaff";
    isSearchLockNo = true;
    TfrmRoomsDefination screen;
    screen.show();
    screen.GridBlds->setFocus();
    press(screen.GridBlds, Qt::Key_Delete);
    screen.GridRooms->setFocus();
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10})
        press(screen.GridRooms, key);
    QVERIFY(port.boxes().isEmpty());
    QVERIFY(port.prompts().isEmpty());
    QSqlQuery query(Db());
    QVERIFY(query.exec("SELECT COUNT(*), MAX(PublicDoor) FROM RoomInfo") && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
    QCOMPARE(query.value(1).toInt(), 0);
}

void TestRoomsDefination::failedReadsSayNothingAboutTheData_data()
{
    QTest::addColumn<QString>("unreadable");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("afterRename"); // the boxes once Modify Building Name is pressed
    QTest::newRow("buildings") << "BuildingInfo" << "E0068" << QStringList{"E0068", "E0068"};
    QTest::newRow("rooms") << "RoomInfo" << "E0069" << QStringList{"E0069"};
}

void TestRoomsDefination::failedReadsSayNothingAboutTheData()
{
    QFETCH(QString, unreadable);
    QFETCH(QString, caption);
    QFETCH(QStringList, afterRename);
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(SqlExec("ALTER TABLE " + unreadable + " RENAME TO Away"));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    // No "Please add building(s)", no N9002: a failed read says nothing about what is stored.
    QCOMPARE(port.captions(), QStringList{caption});
    QCOMPARE(screen.Label1->text(), QString("List Of Buildings"));
    QCOMPARE(screen.GridRooms->rowCount(), 1);
    // Nor does a command afterwards: without buildings read it reads them again.
    screen.cmdModiBld->click();
    QCOMPARE(port.captions(), afterRename);
}

void TestRoomsDefination::editsARowThatMakesNoLockNumber()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(addRoom(1, 1, "101"));
    QVERIFY(SqlExec("INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RomID2, RoomNo, Status, MaxCards) VALUES (1, 1.5, 2, 0,"
                    " '1x', 'Vacant', 3)"));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    QCOMPARE(screen.GridRooms->rowCount(), 2);
    // The selected room is the listed record, with what the grid does not show.
    QCOMPARE(curRoom.BldRoomNo, QString("1-101"));
    QCOMPARE(curRoom.Dai, 4);
    QCOMPARE(curRoom.CardCount, 1);
    QCOMPARE(screen.GridRooms->item(1, 1)->text(), QString("1.5"));
    QCOMPARE(screen.GridRooms->item(1, 9)->text(), QString("0011.5002"));

    // A new room number leaves the floor as stored; then the row is removed.
    screen.GridRooms->setCurrentCell(1, 2);
    port.input("1y");
    screen.cmdModiRoom->click();
    QCOMPARE(port.captions(), QStringList{});
    QSqlQuery query(Db());
    QVERIFY(query.exec("SELECT FlrNo FROM RoomInfo WHERE RoomNo = '1y'") && query.next());
    QCOMPARE(query.value(0).toString(), QString("1.5"));
    QCOMPARE(screen.GridRooms->currentRow(), 1);
    port.answer(BoxAnswer::Ok);
    press(screen.GridRooms, Qt::Key_Delete);
    QCOMPARE(port.captions(), QStringList{"N9014"});
    QVERIFY(query.exec("SELECT COUNT(*) FROM RoomInfo") && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

void TestRoomsDefination::enterOnTheBuildingsPressesNoButton()
{
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main')"));
    QVERIFY(addRoom(1, 1, "101"));
    openForEditing();
    ScriptedPort &port = m_world->port;
    TfrmRoomsDefination screen;
    screen.show();
    screen.GridBlds->setFocus();
    press(screen.GridBlds, Qt::Key_Return);
    press(screen.GridBlds, Qt::Key_Enter);
    // "Insert a New Building" would have asked for the building number.
    QCOMPARE(port.prompts(), QStringList());
    QCOMPARE(port.captions(), QStringList());
    QVERIFY(screen.isVisible());
}

QTEST_MAIN(TestRoomsDefination)
#include "tst_roomsdefination.moc"
