#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/guestpanel.h"
#include "screens/receiption/receiption.h"
#include "screens/rooms/roomsdefination.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

// The guest panel of the front desk on the real screen with the simulated
// encoder: opening on a room, the room number entry, the issue by F5, closing,
// the look of every operation's mode and the operations that start from a
// guest card.
class TestGuestPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void roomClickOpensTheWalkIn();
    void roomStatusSetsTheBoxes_data();
    void roomStatusSetsTheBoxes();
    void listedGuestFillsTheFields();
    void reservationsShowInTheRoomMemo();
    void f5IssuesTheCardAndTheBoardRecountsOnClose();
    void roomEntry_data();
    void roomEntry();
    void roomPickerSwitchesTheBuilding();
    void closing();
    void modesSetUpThePanel_data();
    void modesSetUpThePanel();
    void changesTheRoomFromTheCard();
    void extendsTheStayFromTheCard();
    void checksOutWithTheCard();
    void groupViewCountsTheCards();
    void newPeriodEmptiesTheRoomLists();

private:
    // A walk-in card for name in the room, issued from the panel.
    void checkIn(const QString &roomNo, const QString &name);
    QMap<QString, QString> card() const;
    TfrmReceiption &open();
    QToolButton *roomButton(const QString &roomNo) const;

    std::optional<TestWorld> m_world;
    std::unique_ptr<TfrmReceiption> m_screen;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

int walkInRooms(const TfrmReceiption &screen)
{
    return screen.counters().byStatus[int(RoomStatus::OC_WalkIn)];
}

} // namespace

void TestGuestPanel::init()
{
    m_world.emplace(WorldOptions{.encoder = true, .clock = true, .database = Engine::SQLite});
    m_world->clock->set(kNow);
    curOperator.GongHao = QStringLiteral("007");
    strQX = QString(80, u'1');
    QVERIFY(m_world->openEncoder());
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (2, 'East')")));
    QVERIFY(AddRoomRow(SampleRoom(2, 1, 1, QStringLiteral("101"))));
    QVERIFY(AddRoomRow(SampleRoom(2, 3, 5, QStringLiteral("305"))));
    QVERIFY(LoadAryRoom());
}

void TestGuestPanel::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

TfrmReceiption &TestGuestPanel::open()
{
    m_screen = std::make_unique<TfrmReceiption>();
    m_screen->show();
    return *m_screen;
}

QToolButton *TestGuestPanel::roomButton(const QString &roomNo) const
{
    for (QToolButton *button : m_screen->roomButtons) {
        if (button->isVisible() && button->text() == roomNo)
            return button;
    }
    return nullptr;
}

void TestGuestPanel::roomClickOpensTheWalkIn()
{
    TfrmReceiption &screen = open();
    QTest::mouseClick(roomButton(QStringLiteral("305")), Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(screen.boardArea->currentWidget(), panel);
    QCOMPARE(curMenu, QStringLiteral("WalkIn"));
    QCOMPARE(panel->edtRoomNo->text(), QStringLiteral("2-305"));
    QCOMPARE(curRoom.BldRoomNo, QStringLiteral("2-305"));
    QCOMPARE(panel->lblRoomStatus->text(), RoomStatusText(RoomStatus::VC));
    QVERIFY(panel->chkCover->isChecked());
    QCOMPARE(panel->sedtDays->value(), 1);
    QCOMPARE(panel->DateTimePicker1->date(), kNow.date().addDays(1));
    QCOMPARE(panel->DateTimePicker2->time(), QTime(12, 0));
    QCOMPARE(panel->edtPrice->text(), QStringLiteral("288"));
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Room: 2-305, Guests: 0 / 0"));
    // Two days at the day price.
    panel->sedtDays->setValue(2);
    QCOMPARE(panel->DateTimePicker1->date(), kNow.date().addDays(2));
    QCOMPARE(panel->edtPrice->text(), QStringLiteral("576"));
    // A check-out date picked by hand sets the stay length.
    panel->DateTimePicker1->setDate(kNow.date().addDays(3));
    QCOMPARE(panel->sedtDays->value(), 3);
    QCOMPARE(panel->edtPrice->text(), QStringLiteral("864"));
}

void TestGuestPanel::roomStatusSetsTheBoxes_data()
{
    QTest::addColumn<RoomStatus>("status");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("hourRate");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QDateTime>("checkOut");
    const QDateTime tomorrowNoon(kNow.date().addDays(1), QTime(12, 0));
    QTest::newRow("vacant") << RoomStatus::VC << true << false << "Days" << "288" << tomorrowNoon;
    QTest::newRow("reserved") << RoomStatus::OT << true << false << "Days" << "288" << tomorrowNoon;
    QTest::newRow("occupied") << RoomStatus::OC_WalkIn << false << false << "Days" << "288" << tomorrowNoon;
    // One hour from now; a room without guests offers the start-up and the hour price.
    QTest::newRow("hour use") << RoomStatus::OH << false << true << "Hours" << "80" << kNow.addSecs(3600);
}

void TestGuestPanel::roomStatusSetsTheBoxes()
{
    QFETCH(RoomStatus, status);
    QFETCH(bool, cover);
    QFETCH(bool, hourRate);
    QFETCH(QString, days);
    QFETCH(QString, price);
    QFETCH(QDateTime, checkOut);
    QVERIFY(SqlExec(QStringLiteral("UPDATE RoomInfo SET Status='%1', HourRateStartup=50, HourRatePrice=30")
                        .arg(RoomStatusText(status))));
    QVERIFY(LoadAryRoom());
    TfrmReceiption &screen = open();
    QTest::mouseClick(roomButton(QStringLiteral("305")), Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(panel->chkCover->isChecked(), cover);
    QCOMPARE(panel->chkHourRate->isChecked(), hourRate);
    QCOMPARE(panel->chkVIP->isVisible(), !hourRate);
    QCOMPARE(panel->lblDays->text(), days);
    QCOMPARE(panel->edtPrice->text(), price);
    QCOMPARE(QDateTime(panel->DateTimePicker1->date(), panel->DateTimePicker2->time()), checkOut);
}

void TestGuestPanel::listedGuestFillsTheFields()
{
    curGuest = TGuestInfo();
    curGuest.BldRoomNo = QStringLiteral("2-305");
    curGuest.Name = QStringLiteral("Anna");
    curGuest.CNo = QStringLiteral("P1");
    curGuest.ComeTime = QDateTime(QDate(2026, 12, 8), QTime(18, 0));
    curGuest.GoTime = QDateTime(QDate(2026, 12, 10), QTime(12, 0));
    curGuest.CardID = QStringLiteral("6A000001");
    curGuest.Flag = QLatin1String(kFlagWalkIn);
    curGuest.Price = Currency::parse(QStringLiteral("250")).value();
    QVERIFY(InsertGuestInfo());
    TfrmReceiption &screen = open();
    QTest::mouseClick(roomButton(QStringLiteral("305")), Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(panel->cmbName->count(), 1);
    QCOMPARE(panel->cmbName->currentText(), QStringLiteral("Anna"));
    QCOMPARE(panel->edtCNo->text(), QStringLiteral("P1"));
    QCOMPARE(panel->edtCheckIn->text(), QStringLiteral("2026-12-08 18:00:00"));
    // Calendar days of the stay; the check-out pickers keep the stay's own end.
    QCOMPARE(panel->sedtDays->value(), 2);
    QCOMPARE(QDateTime(panel->DateTimePicker1->date(), panel->DateTimePicker2->time()), curGuest.GoTime);
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Room: 2-305, Guests: 1 / 1"));
    QCOMPARE(screen.StaBarPanels[2]->text(), QStringLiteral("GuestID: %1 , WalkIn").arg(curGuest.ID));
}

void TestGuestPanel::reservationsShowInTheRoomMemo()
{
    curGuest = TGuestInfo();
    curGuest.BldRoomNo = QStringLiteral("2-305");
    curGuest.Name = QStringLiteral("Bert");
    curGuest.ComeTime = QDateTime(QDate(2026, 12, 20), QTime(14, 0));
    curGuest.GoTime = QDateTime(QDate(2026, 12, 22), QTime(12, 0));
    curGuest.Flag = QLatin1String(kFlagReservation);
    QVERIFY(InsertGuestInfo());
    TfrmReceiption &screen = open();
    QTest::mouseClick(roomButton(QStringLiteral("305")), Qt::LeftButton);
    QPlainTextEdit *memo = screen.Panel4->memRoom;
    QVERIFY(memo->isVisible());
    QCOMPARE(memo->toPlainText(), QStringLiteral("Reservation List:\nBert\n2026-12-20 14:00:00  -->  2026-12-22 12:00:00"));
    // The room learns its first reservation, and the board shows it once the panel closes.
    QCOMPARE(aryRoom[ptrAryRoom].ReservCkIn, curGuest.ComeTime);
    QVERIFY(isNeedRefreshRooms);
    QTest::keyClick(&screen, Qt::Key_F4);
    QVERIFY(!memo->isVisible());
    QTest::keyClick(&screen, Qt::Key_F4);
    QVERIFY(memo->isVisible());
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton);
    QVERIFY(!memo->isVisible());
}

void TestGuestPanel::f5IssuesTheCardAndTheBoardRecountsOnClose()
{
    TfrmReceiption &screen = open();
    QCOMPARE(walkInRooms(screen), 0);
    QTest::mouseClick(roomButton(QStringLiteral("305")), Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QTest::keyClicks(panel->cmbName, QStringLiteral("Anna"));
    QTest::keyClick(&screen, Qt::Key_F5);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9038")});

    QMap<QString, QString> card;
    for (const QString &line : m_world->encoder->sim(QStringLiteral("show")).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            card.insert(line.left(equals), line.mid(equals + 1));
    }
    // Room index 5 on floor 3 of building 2, until tomorrow's check-out.
    QCOMPARE(card[QStringLiteral("lockArea")].mid(2), QStringLiteral("050302"));
    QCOMPARE(card[QStringLiteral("end")], QStringLiteral("2026-12-11 12:00"));
    QCOMPARE(curGuest.Name, QStringLiteral("Anna"));
    QCOMPARE(panel->lblRoomStatus->text(), RoomStatusText(RoomStatus::OC_WalkIn));
    QCOMPARE(panel->lblCardCount2->text(), QStringLiteral("1"));
    QVERIFY(!panel->chkCover->isChecked());
    // The board recounts once the panel is closed.
    QCOMPARE(walkInRooms(screen), 0);
    QTest::mouseClick(panel->cmdCloseGuest, Qt::LeftButton);
    QVERIFY(screen.Timer1->isActive());
    QVERIFY(QMetaObject::invokeMethod(screen.Timer1, "timeout"));
    QCOMPARE(walkInRooms(screen), 1);
    QVERIFY(!isNeedRefreshRooms);
}

void TestGuestPanel::roomEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("found");
    QTest::newRow("a room number of the building") << "305" << "2-305" << true;
    QTest::newRow("a full room key") << "2-305" << "2-305" << true;
    QTest::newRow("a leading dash is part of the number") << "-305" << "2--305" << false;
}

void TestGuestPanel::roomEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, found);
    TfrmReceiption &screen = open();
    QTest::mouseClick(screen.cmdWalkIn, Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(panel->edtRoomNo->text(), QStringLiteral("2-101"));
    panel->edtRoomNo->selectAll();
    QTest::keyClicks(panel->edtRoomNo, typed);
    QTest::keyClick(panel->edtRoomNo, Qt::Key_Return);
    QCOMPARE(panel->edtRoomNo->text(), shown);
    QCOMPARE(panel->isRoomNoValid(), found);
    QCOMPARE(m_world->port.captions(), found ? QStringList() : QStringList{QStringLiteral("E0021")});
    QCOMPARE(panel->lblRoomType->text(), found ? QStringLiteral("Standard") : QString());
    if (found)
        QCOMPARE(curRoom.BldRoomNo, QStringLiteral("2-305"));
}

void TestGuestPanel::roomPickerSwitchesTheBuilding()
{
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (3, 'West')")));
    QVERIFY(AddRoomRow(SampleRoom(3, 2, 1, QStringLiteral("201"))));
    QVERIFY(LoadAryRoom());
    TfrmReceiption &screen = open();
    QTest::mouseClick(screen.cmdWalkIn, Qt::LeftButton);
    bool picked = false;
    QTimer::singleShot(0, this, [&picked] {
        auto *picker = qobject_cast<TfrmRoomsDefination *>(QApplication::activeModalWidget());
        if (!picker)
            return;
        picker->GridBlds->setCurrentCell(1, 1);
        picker->GridRooms->setCurrentCell(0, 2);
        QTest::keyClick(picker->GridRooms, Qt::Key_Return);
        picked = true;
    });
    QTest::mouseClick(screen.Panel4->cmdSearchRoomNo, Qt::LeftButton);
    QVERIFY(picked);
    QCOMPARE(curBld.BldNo, 3);
    QCOMPARE(screen.cmbBuildingName->currentText(), QStringLiteral("West"));
    QCOMPARE(screen.Panel4->pnlBuildingName->text(), QStringLiteral("West"));
    QCOMPARE(screen.Panel4->edtRoomNo->text(), QStringLiteral("3-201"));
    QCOMPARE(curRoom.BldRoomNo, QStringLiteral("3-201"));
    QCOMPARE(aryRoom[ptrAryRoom].BldRoomNo, QStringLiteral("3-201"));
    QCOMPARE(screen.boardArea->currentWidget(), screen.Panel4);
    QVERIFY(m_world->port.boxes().isEmpty());
}

void TestGuestPanel::closing()
{
    TfrmReceiption &screen = open();
    // The Walk-In button a second time closes the panel.
    QTest::mouseClick(screen.cmdWalkIn, Qt::LeftButton);
    QCOMPARE(screen.boardArea->currentWidget(), screen.Panel4);
    QTest::mouseClick(screen.cmdWalkIn, Qt::LeftButton);
    QCOMPARE(screen.boardArea->currentIndex(), 0);
    QCOMPARE(curMenu, QStringLiteral("Receiption"));
    QCOMPARE(screen.StaBarPanels[2]->text(), QStringLiteral("Receiption"));
    // Nothing changed: the board is not recounted.
    QVERIFY(!screen.Timer1->isActive());
    // Escape leaves the whole screen, the panel open or not.
    QTest::mouseClick(screen.cmdWalkIn, Qt::LeftButton);
    QTest::keyClick(screen.Panel4->sedtDays, Qt::Key_Escape);
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.result(), int(QDialog::Rejected));
}

void TestGuestPanel::checkIn(const QString &roomNo, const QString &name)
{
    m_world->encoder->sim(QStringLiteral("blank"));
    QTest::mouseClick(roomButton(roomNo), Qt::LeftButton);
    QTest::keyClicks(m_screen->Panel4->cmbName, name);
    QTest::keyClick(m_screen.get(), Qt::Key_F5);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9038")});
    QTest::mouseClick(m_screen->Panel4->cmdCloseGuest, Qt::LeftButton);
    m_world->port.clear();
}

QMap<QString, QString> TestGuestPanel::card() const
{
    QMap<QString, QString> fields;
    for (const QString &line : m_world->encoder->sim(QStringLiteral("show")).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        fields.insert(equals < 0 ? line : line.left(equals), equals < 0 ? QString() : line.mid(equals + 1));
    }
    return fields;
}

void TestGuestPanel::modesSetUpThePanel_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("roomNoEnabled");
    QTest::addColumn<bool>("search");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("reservation");
    QTest::addColumn<QString>("issue");  // the issue button's caption, empty when hidden
    QTest::addColumn<QString>("second"); // the second button's caption, empty when hidden
    QTest::addColumn<QString>("guestBox");
    QTest::addColumn<bool>("names");
    QTest::addColumn<int>("lists"); // room lists shown
    QTest::newRow("walk-in") << "WalkIn" << true << true << true << false << "[F5] Issue Card"
                             << "Check-Out without Card" << "Guest Information" << true << 0;
    QTest::newRow("room change") << "Change" << true << true << true << false << "[F5] Issue Card" << ""
                                 << "Guest Information" << false << 0;
    QTest::newRow("extension") << "Postpone" << false << false << true << false << "[F5] Issue Card" << ""
                               << "Guest Information" << false << 0;
    QTest::newRow("check-out with card") << "CheckOutWithCard" << false << false << true << false << ""
                                         << "CK-Out with Card" << "Guest Information" << false << 0;
    QTest::newRow("group check-in") << "TeamIn" << true << false << true << false << "[F5] Issue Card" << ""
                                    << "Team Leader" << true << 2;
    QTest::newRow("group view") << "TeamView" << false << false << true << false << "" << "Group Check-Out"
                                << "Team Leader" << true << 1;
    QTest::newRow("reservation") << "Reservation" << true << true << false << true << "Make Reservation"
                                 << "Cancel Reservation" << "Team Leader" << true << 2;
    QTest::newRow("reservation check-in") << "ReservationCheckIn" << false << false << true << false
                                          << "[F5] Issue Card" << "" << "Guest Information" << true << 1;
}

void TestGuestPanel::modesSetUpThePanel()
{
    QFETCH(QString, mode);
    QFETCH(bool, roomNoEnabled);
    QFETCH(bool, search);
    QFETCH(bool, cover);
    QFETCH(bool, reservation);
    QFETCH(QString, issue);
    QFETCH(QString, second);
    QFETCH(QString, guestBox);
    QFETCH(bool, names);
    QFETCH(int, lists);
    TfrmReceiption &screen = open();
    // Every mode starts from a panel another operation left behind.
    QTest::mouseClick(screen.cmdWalkIn, Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    panel->ListBox2->addItem(QStringLiteral("2-101"));
    panel->OpenGuestPanel(mode, QStringLiteral("caption"));
    QCOMPARE(panel->edtRoomNo->isEnabled(), roomNoEnabled);
    QCOMPARE(panel->cmdSearchRoomNo->isVisibleTo(panel), search);
    QCOMPARE(panel->chkCover->isVisibleTo(panel), cover);
    QCOMPARE(panel->chkHourRate->isVisibleTo(panel), cover);
    QCOMPARE(panel->DateTimePicker3->isVisibleTo(panel), reservation);
    QCOMPARE(panel->DateTimePicker4->isVisibleTo(panel), reservation);
    QCOMPARE(panel->cmdIssueCard->isVisibleTo(panel) ? panel->cmdIssueCard->text() : QString(), issue);
    QCOMPARE(panel->cmdCheckOutNoCard->isVisibleTo(panel) ? panel->cmdCheckOutNoCard->text() : QString(), second);
    QCOMPARE(panel->GroupBox2->title(), guestBox);
    QCOMPARE(panel->cmbName->isEnabled(), names);
    QCOMPARE(int(panel->ListBox1->isVisibleTo(panel)) + int(panel->ListBox2->isVisibleTo(panel)), lists);
    QCOMPARE(panel->ListBox2->count(), 0);
    QCOMPARE(panel->lblMenu->text(), QStringLiteral("caption"));
    // The reservation starts ten minutes from now and lasts a day.
    QCOMPARE(QDateTime(panel->DateTimePicker3->date(), panel->DateTimePicker4->time()), kNow.addSecs(600));
    if (reservation)
        QCOMPARE(panel->DateTimePicker1->date(), kNow.date().addDays(1));
}

void TestGuestPanel::changesTheRoomFromTheCard()
{
    TfrmReceiption &screen = open();
    checkIn(QStringLiteral("101"), QStringLiteral("Anna"));
    const QString oldCard = curCard.CardData;
    QTest::mouseClick(screen.cmdChange, Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(curMenu, QStringLiteral("Change"));
    QCOMPARE(panel->edtRoomNo->text(), QStringLiteral("2-101"));
    QVERIFY(!panel->cmbName->isEnabled());
    QCOMPARE(panel->cmbName->currentText(), QStringLiteral("Anna"));
    panel->edtRoomNo->selectAll();
    QTest::keyClicks(panel->edtRoomNo, QStringLiteral("305"));
    QTest::keyClick(panel->edtRoomNo, Qt::Key_Return);
    // The moving guest stays in the guest box.
    QCOMPARE(panel->cmbName->currentText(), QStringLiteral("Anna"));
    QTest::keyClick(&screen, Qt::Key_F5);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9038")});
    QCOMPARE(card()[QStringLiteral("lockArea")].mid(2), QStringLiteral("050302"));
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Flag FROM GuestInfo WHERE BldRoomNo='2-101'")).toString(),
             QStringLiteral("CheckOut"));
    QCOMPARE(SqlScalar(QStringLiteral("SELECT BeiZhu FROM GuestInfo WHERE BldRoomNo='2-305'")).toString(),
             QStringLiteral("2-101 -> 2-305, "));
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Status FROM CardInfo WHERE CardData='%1'").arg(oldCard)).toString(),
             Common.CardStatus_Erased);
    QCOMPARE(aryRoom[0].Status, RoomStatusText(RoomStatus::VC));
    QCOMPARE(aryRoom[1].Status, RoomStatusText(RoomStatus::OC_WalkIn));
}

void TestGuestPanel::extendsTheStayFromTheCard()
{
    TfrmReceiption &screen = open();
    checkIn(QStringLiteral("305"), QStringLiteral("Anna"));
    QTest::mouseClick(screen.cmdPostponed, Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(curMenu, QStringLiteral("Postpone"));
    QVERIFY(!panel->edtRoomNo->isEnabled());
    QCOMPARE(panel->sedtDays->value(), 1);
    panel->sedtDays->setValue(2);
    QCOMPARE(panel->DateTimePicker1->date(), kNow.date().addDays(2));
    QTest::keyClick(&screen, Qt::Key_F5);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9038")});
    QCOMPARE(card()[QStringLiteral("end")], QStringLiteral("2026-12-12 12:00"));
    // The same room, one card more on the register, the card count as it was.
    QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM GuestInfo WHERE Flag='Copy'")).toInt(), 1);
    QCOMPARE(aryRoom[1].CardCount, 1);

    // An extension ending in the past is refused.
    m_world->port.clear();
    panel->sedtDays->setValue(0);
    m_world->clock->set(kNow.addDays(1).addSecs(3 * 3600));
    QTest::keyClick(&screen, Qt::Key_F5);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9037")});
}

void TestGuestPanel::checksOutWithTheCard()
{
    TfrmReceiption &screen = open();
    checkIn(QStringLiteral("305"), QStringLiteral("Anna"));
    QTest::mouseClick(screen.cmdCheckOutByCard, Qt::LeftButton);
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(curMenu, QStringLiteral("CheckOutWithCard"));
    QCOMPARE(panel->cmbName->currentText(), QStringLiteral("Anna"));
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Room: 2-305, Guests: 1"));
    QTest::mouseClick(panel->cmdCheckOutNoCard, Qt::LeftButton);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9045")});
    QVERIFY(card().contains(QStringLiteral("blank")));
    QVERIFY(!panel->cmdCheckOutNoCard->isVisibleTo(panel));
    QCOMPARE(panel->lblRoomStatus->text(), RoomStatusText(RoomStatus::VC));
    QCOMPARE(panel->cmbName->count(), 0);
}

void TestGuestPanel::groupViewCountsTheCards()
{
    // A group in 2-101 with two cards and in 2-305 with three.
    const QList<QPair<QString, int>> rooms = {{QStringLiteral("2-101"), 2}, {QStringLiteral("2-305"), 3}};
    for (const auto &[room, cards] : rooms) {
        QVERIFY(SqlExec(QStringLiteral("UPDATE RoomInfo SET CardCount=%1, Status='%2' WHERE RoomNo='%3'")
                            .arg(cards)
                            .arg(RoomStatusText(RoomStatus::OC_Team), room.mid(2))));
        curGuest = TGuestInfo();
        curGuest.BldRoomNo = room;
        curGuest.Name = QStringLiteral("Lead");
        curGuest.CNo = QStringLiteral("L1");
        curGuest.ComeTime = kNow;
        curGuest.GoTime = kNow.addDays(2);
        curGuest.Flag = QStringLiteral("TeamIn");
        QVERIFY(InsertGuestInfo());
    }
    QVERIFY(LoadAryRoom());
    TfrmReceiption &screen = open();
    screen.GroupView->trigger();
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(curMenu, QStringLiteral("TeamView"));
    QCOMPARE(panel->cmbName->currentText(), QStringLiteral("Lead"));
    QCOMPARE(panel->ListBox2->count(), 2);
    QCOMPARE(panel->lblCardCount2->text(), QStringLiteral("5"));
    QCOMPARE(screen.StaBarPanels[0]->text(), QStringLiteral("Group Rooms Count:  2"));
    panel->ListBox2->setCurrentRow(1);
    QTest::mouseClick(panel->ListBox2->viewport(), Qt::LeftButton, {},
                      panel->ListBox2->visualItemRect(panel->ListBox2->item(1)).center());
    QCOMPARE(panel->edtRoomNo->text(), QStringLiteral("2-305"));
    QCOMPARE(panel->lblCardCount2->text(), QStringLiteral("3 / 5"));
    // The item toggles: the group view closes again.
    screen.GroupView->trigger();
    QCOMPARE(screen.boardArea->currentIndex(), 0);
}

void TestGuestPanel::newPeriodEmptiesTheRoomLists()
{
    TfrmReceiption &screen = open();
    screen.Reservation->trigger();
    GuestPanel *panel = screen.Panel4;
    QCOMPARE(curMenu, QStringLiteral("Reservation"));
    QTest::mouseClick(panel->cmdSearchRoomNo, Qt::LeftButton);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("N9085")});
    QCOMPARE(panel->ListBox1->count(), 2);
    panel->ListBox1->setCurrentRow(0);
    QTest::mouseClick(panel->cmdSelect, Qt::LeftButton);
    QCOMPARE(panel->ListBox2->count(), 1);
    // Another check-out time is another period: the search must run again.
    panel->DateTimePicker2->setFocus();
    QTest::keyClick(panel->DateTimePicker2, Qt::Key_Up);
    QCOMPARE(panel->ListBox1->count(), 0);
    QCOMPARE(panel->ListBox2->count(), 0);
}

QTEST_MAIN(TestGuestPanel)
#include "tst_guestpanel.moc"
