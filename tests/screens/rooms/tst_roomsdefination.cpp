#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/rooms/roomsdefination.h"
#include "store/rooms.h"
#include "support/scriptedport.h"
#include "support/testdatabase.h"
#include "support/workfolder.h"

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
    void init();
    void cleanup();
    void noBuildingAnswersWithMsgAddBld();
    void buildingWithoutRoomsShowsN9002();
    void showsRoomsWithMarksAndLockNumbers();
    void removingTheLastRowSelectsTheNewLast();
    void closingTheEditorReloadsTheRegistry();
    void pickerReturnsTheWholeRegistryEntry();
    void pickerKeysDoNotEdit();
    void enterOnTheBuildingsPressesNoButton();

private:
    WorkFolder *m_folder = nullptr;
};

namespace {

void exec(const QString &sql)
{
    QSqlQuery query(Db());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

void addRoom(int flrNo, int romId, const QString &roomNo, int publicDoor = 0)
{
    exec(QStringLiteral("INSERT INTO RoomInfo VALUES (1, %1, %2, %2, '%3', 'Standard', 'Vacant', 288, 4, 1, 3, %4, '',"
                        " '1899-12-30T00:00:00.000', '1899-12-30T00:00:00.000', 0, 0)")
             .arg(flrNo).arg(romId).arg(roomNo).arg(publicDoor));
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

void TestRoomsDefination::init()
{
    ResetState();
    m_folder = new WorkFolder;
    LoadSettings();
    LoadSharedTexts();
    QString error;
    QVERIFY2(MakeDeliveredDatabase(Engine::SQLite, &error), qPrintable(error));
}

void TestRoomsDefination::cleanup()
{
    CloseDatabase();
    delete m_folder;
}

void TestRoomsDefination::noBuildingAnswersWithMsgAddBld()
{
    openForEditing();
    ScriptedPort port;
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
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    openForEditing();
    ScriptedPort port;
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
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    addRoom(2, 4, "204", 128);
    addRoom(1, 1, "101", 8);
    openForEditing();
    ScriptedPort port;
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
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    for (int index = 1; index <= 3; ++index)
        addRoom(1, index, QStringLiteral("10%1").arg(index));
    openForEditing();
    ScriptedPort port;
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
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    openForEditing();
    ScriptedPort port;
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
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    addRoom(1, 1, "101");
    addRoom(1, 2, "102");
    ScriptedPort port;
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
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    addRoom(1, 1, "101");
    ScriptedPort port;
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

void TestRoomsDefination::enterOnTheBuildingsPressesNoButton()
{
    exec("INSERT INTO BuildingInfo VALUES (1, 'Main')");
    addRoom(1, 1, "101");
    openForEditing();
    ScriptedPort port;
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
