#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/stayrules.h"
#include "screens/receiption/walkin.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QRegularExpression>
#include <QTest>

// The walk-in issue of a guest card on the simulated encoder: its checks, the
// stay and room it records, and what the card carries.
class TestWalkIn : public QObject {
    Q_OBJECT
private slots:
    // Every test runs on both engines.
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void issues_data();
    void issues();
    void refusesARoomThatIsNotTheOneShown_data();
    void refusesARoomThatIsNotTheOneShown();
    void fillsTheEmptyFields();
    void hourRateStay();
    void extendsAStay();
    void failedStayLeavesNoWorkingCard_data();
    void failedStayLeavesNoWorkingCard();
    void failedPriceClearingKeepsTheIssue();
    void changesTheRoom();
    void groupMemberMovesWithinTheGroup();
    void checksInAReservation_data();
    void checksInAReservation();

private:
    // Room 2-305 as given, loaded and opened in the walk-in panel.
    void openRoom(const TRoomInfo &room);
    // A current guest of the room, selected in the panel's list.
    void addGuest(const QString &name);
    IssueRequest request(const QString &name) const;
    // The fields of the card on the encoder, as the simulator shows them.
    QMap<QString, QString> card() const;
    int guestRows() const { return SqlScalar(QStringLiteral("SELECT COUNT(*) FROM GuestInfo")).toInt(); }

    std::optional<TestWorld> m_world;
    DeskTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));
const QDateTime kTomorrowNoon(QDate(2026, 12, 11), QTime(12, 0));

TRoomInfo room305(RoomStatus status, int cardCount, int dai)
{
    TRoomInfo room = SampleRoom(2, 3, 5, QStringLiteral("305"));
    room.Status = RoomStatusText(status);
    room.CardCount = cardCount;
    room.Dai = dai;
    return room;
}

} // namespace

void TestWalkIn::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.encoder = true, .clock = true});
    QVERIFY(m_world->deliverDatabase(engine));
    m_world->clock->set(kNow);
    curOperator.GongHao = QStringLiteral("007");
    m_texts = ReadDeskTexts();
    QVERIFY(m_world->openEncoder());
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (2, 'East')")));
}

void TestWalkIn::openRoom(const TRoomInfo &room)
{
    QVERIFY(AddRoomRow(room));
    QVERIFY(LoadAryRoom());
    curBld = {2, QStringLiteral("East")};
    curMenu = QStringLiteral("WalkIn");
    curRoom.LockNo = room.LockNo;
    ptrAryRoom = WalkInRoomIndex();
    QCOMPARE(ptrAryRoom, 0);
    curRoom = aryRoom[ptrAryRoom];
    LoadRoomGuests(curRoom.BldRoomNo);
}

void TestWalkIn::addGuest(const QString &name)
{
    curGuest = TGuestInfo();
    curGuest.BldRoomNo = curRoom.BldRoomNo;
    curGuest.Name = name;
    curGuest.CNo = QStringLiteral("P") + name;
    curGuest.ComeTime = kNow.addDays(-1);
    curGuest.GoTime = kTomorrowNoon;
    curGuest.CardID = QStringLiteral("6A000001");
    curGuest.Flag = QLatin1String(kFlagWalkIn);
    QVERIFY(InsertGuestInfo());
    LoadRoomGuests(curRoom.BldRoomNo);
    ptrAryGuest = 0;
}

IssueRequest TestWalkIn::request(const QString &name) const
{
    IssueRequest r;
    r.roomNoText = curRoom.BldRoomNo;
    r.guest.name = name;
    r.guest.cNo = QStringLiteral("P") + name;
    r.guest.price = QStringLiteral("288");
    r.checkOut = kTomorrowNoon;
    r.cover = CoverTickedFor(curRoom);
    return r;
}

QMap<QString, QString> TestWalkIn::card() const
{
    QMap<QString, QString> fields;
    for (const QString &line : m_world->encoder->sim(QStringLiteral("show")).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        fields.insert(equals < 0 ? line : line.left(equals), equals < 0 ? QString() : line.mid(equals + 1));
    }
    return fields;
}

void TestWalkIn::issues_data()
{
    QTest::addColumn<RoomStatus>("status");
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<int>("dai");
    QTest::addColumn<QString>("guest"); // a current guest of the room, or none
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("checkOut");
    QTest::addColumn<QDateTime>("reservation");
    QTest::addColumn<BoxAnswer>("answer");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("flag"); // empty: nothing may be written
    QTest::addColumn<RoomStatus>("newStatus");
    QTest::addColumn<int>("cardDai");
    const QDateTime none = DateTimeZero();
    const QStringList issued{"N9038"};
    const QStringList notReady{"N9070", "N9038"};
    QTest::newRow("vacant room, cover ticked") << RoomStatus::VC << 0 << 9 << "" << "Anna" << kTomorrowNoon << none
                                               << BoxAnswer::Cancel << issued << "WalkIn" << RoomStatus::OC_WalkIn << 10;
    QTest::newRow("cover with Dai 255 gives 0") << RoomStatus::VC << 0 << 255 << "" << "Anna" << kTomorrowNoon << none
                                                << BoxAnswer::Cancel << issued << "WalkIn" << RoomStatus::OC_WalkIn << 0;
    QTest::newRow("cleaning room, OK") << RoomStatus::VD << 0 << 9 << "" << "Anna" << kTomorrowNoon << none
                                       << BoxAnswer::Ok << notReady << "WalkIn" << RoomStatus::OC_WalkIn << 9;
    QTest::newRow("cleaning room, Cancel") << RoomStatus::VD << 0 << 9 << "" << "Anna" << kTomorrowNoon << none
                                           << BoxAnswer::Cancel << QStringList{"N9070"} << "" << RoomStatus::VD << 9;
    QTest::newRow("second card of the selected guest") << RoomStatus::OC_WalkIn << 1 << 9 << "Anna" << "Anna"
                                                       << kTomorrowNoon << none << BoxAnswer::Ok << notReady << "Copy"
                                                       << RoomStatus::OC_WalkIn << 9;
    QTest::newRow("walk-in in a group room") << RoomStatus::OC_Team << 1 << 9 << "Anna" << "Bert" << kTomorrowNoon
                                             << none << BoxAnswer::Ok << notReady << "TeamIn" << RoomStatus::OC_Team
                                             << 9;
    QTest::newRow("card limit") << RoomStatus::OC_WalkIn << 3 << 9 << "Anna" << "Anna" << kTomorrowNoon << none
                                << BoxAnswer::Ok << QStringList{"N9035"} << "" << RoomStatus::OC_WalkIn << 9;
    QTest::newRow("check-out in the past") << RoomStatus::VC << 0 << 9 << "" << "Anna" << kNow.addSecs(-30 * 60)
                                           << none << BoxAnswer::Ok << QStringList{"N9037"} << "" << RoomStatus::VC
                                           << 9;
    QTest::newRow("reservation before the check-out, Cancel")
        << RoomStatus::VC << 0 << 9 << "" << "Anna" << kTomorrowNoon << kNow.addDays(1) << BoxAnswer::Cancel
        << QStringList{"N9072"} << "" << RoomStatus::VC << 9;
    QTest::newRow("reservation after the check-out") << RoomStatus::VC << 0 << 9 << "" << "Anna" << kTomorrowNoon
                                                     << kTomorrowNoon.addSecs(60) << BoxAnswer::Cancel << issued
                                                     << "WalkIn" << RoomStatus::OC_WalkIn << 10;
}

void TestWalkIn::issues()
{
    QFETCH(RoomStatus, status);
    QFETCH(int, cardCount);
    QFETCH(int, dai);
    QFETCH(QString, guest);
    QFETCH(QString, name);
    QFETCH(QDateTime, checkOut);
    QFETCH(QDateTime, reservation);
    QFETCH(BoxAnswer, answer);
    QFETCH(QStringList, captions);
    QFETCH(QString, flag);
    QFETCH(RoomStatus, newStatus);
    QFETCH(int, cardDai);
    openRoom(room305(status, cardCount, dai));
    if (!guest.isEmpty())
        addGuest(guest);
    curRoom.ReservCkIn = reservation;
    const int rowsBefore = guestRows();
    IssueRequest r = request(name);
    r.checkOut = checkOut;
    m_world->port.answer(answer);

    QCOMPARE(IssueGuestCard(r, m_texts), !flag.isEmpty());
    // The board recounts once the panel closes only when a room changed.
    QCOMPARE(isNeedRefreshRooms, !flag.isEmpty());
    QCOMPARE(m_world->port.captions(), captions);
    const QMap<QString, QString> written = card();
    const int count = flag.isEmpty() ? cardCount : cardCount + 1;
    const QVariant storedStatus = SqlScalar(QStringLiteral("SELECT Status FROM RoomInfo"));
    QCOMPARE(storedStatus.toString(), RoomStatusText(newStatus));
    QCOMPARE(SqlScalar(QStringLiteral("SELECT CardCount FROM RoomInfo")).toInt(), count);
    QCOMPARE(aryRoom[0].Status, RoomStatusText(newStatus));
    QCOMPARE(aryRoom[0].CardCount, count);
    if (flag.isEmpty()) {
        QCOMPARE(guestRows(), rowsBefore);
        QVERIFY(written.contains(QStringLiteral("blank")));
        QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(), 0);
        return;
    }
    QCOMPARE(guestRows(), rowsBefore + 1);
    QCOMPARE(curGuest.Flag, flag);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Flag FROM GuestInfo WHERE ID=%1").arg(curGuest.ID)).toString(), flag);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT CardID FROM GuestInfo WHERE ID=%1").arg(curGuest.ID)).toString(),
             written[QStringLiteral("cardId")]);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Dai FROM RoomInfo")).toInt(), cardDai);
    QCOMPARE(aryRoom[0].Dai, cardDai);
    // The card opens room index 5 on floor 3 of building 2 until the check-out.
    QCOMPARE(written[QStringLiteral("kind")], QStringLiteral("6"));
    QCOMPARE(written[QStringLiteral("lockArea")].mid(2), QStringLiteral("050302"));
    QCOMPARE(written[QStringLiteral("dai")].toInt(), cardDai);
    QCOMPARE(written[QStringLiteral("end")], checkOut.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    QVERIFY(m_world->port.boxes().last().text.endsWith(QStringLiteral("Expiry:  2026-12-11 12:00")));
}

void TestWalkIn::refusesARoomThatIsNotTheOneShown_data()
{
    QTest::addColumn<QString>("roomNoText");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("lockNo");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty room field") << " " << 0 << "002003005" << "N9036"
                                      << "\nPlease Input Room No.\n\nRoomNo. =  \nptrAryRoom = 0";
    QTest::newRow("no room chosen") << "2-999" << -1 << "002003005" << "N9036"
                                    << "\nPlease Input Room No.\n\nRoomNo. = 2-999\nptrAryRoom = -1";
    QTest::newRow("another room shown") << "2-305" << 0 << "002003006" << "E0024"
                                        << "System Error---E0024\n\ncurRoom.LockNo = 002003006\n"
                                           "aryRoom[ptrAryRoom].LockNo = 002003005";
}

void TestWalkIn::refusesARoomThatIsNotTheOneShown()
{
    QFETCH(QString, roomNoText);
    QFETCH(int, index);
    QFETCH(QString, lockNo);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    openRoom(room305(RoomStatus::VC, 0, 9));
    ptrAryRoom = index;
    curRoom.LockNo = lockNo;
    IssueRequest r = request(QStringLiteral("Anna"));
    r.roomNoText = roomNoText;
    QVERIFY(!IssueGuestCard(r, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{caption});
    QCOMPARE(m_world->port.boxes()[0].text, text);
    QVERIFY(card().contains(QStringLiteral("blank")));
    QCOMPARE(guestRows(), 0);
}

void TestWalkIn::fillsTheEmptyFields()
{
    openRoom(room305(RoomStatus::VC, 0, 9));
    IssueRequest r = request(QString());
    r.guest.cNo = QStringLiteral("  ");
    r.guest.price = QStringLiteral("168.50");
    r.guest.memo = QString(120, u'm');
    QVERIFY(IssueGuestCard(r, m_texts));
    const TGuestInfo stored = [] {
        LoadRoomGuests(QStringLiteral("2-305"));
        return aryGuest.value(0);
    }();
    QCOMPARE(stored.Name, QStringLiteral("[WalkIn]2-305"));
    QCOMPARE(stored.CType, QStringLiteral("Auto"));
    QVERIFY2(QRegularExpression(QStringLiteral("^No\\d{14}$")).match(stored.CNo).hasMatch(), qPrintable(stored.CNo));
    QCOMPARE(stored.CNo, QStringLiteral("No20261210100000"));
    QCOMPARE(stored.Price.toString(), QStringLiteral("168.5"));
    QCOMPARE(stored.YaJin.toString(), QStringLiteral("0"));
    QCOMPARE(stored.BeiZhu.size(), 100);
    QCOMPARE(stored.ComeTime, kNow);
    QCOMPARE(stored.GoTime, QDateTime(kTomorrowNoon.date(), QTime(12, 0, 59)));
    // The card register names the holder and notes the covered cards.
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Holder FROM CardInfo")).toString(), stored.Name);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Status FROM CardInfo")).toString(),
             QStringLiteral("New Check-In & Cover Cards Before"));
}

void TestWalkIn::hourRateStay()
{
    TRoomInfo room = room305(RoomStatus::VC, 0, 9);
    openRoom(room);
    curRoom.HourRateStartup = Currency::fromWhole(50);
    curRoom.HourRatePrice = Currency::fromWhole(20);
    const StayEnd stay = StayOf(3, true, false, kNow, curRoom);
    IssueRequest r = request(QStringLiteral("Anna"));
    r.hourRate = true;
    r.checkOut = stay.checkOut;
    r.guest.price = stay.price.toString();
    QVERIFY(IssueGuestCard(r, m_texts));
    QCOMPARE(aryRoom[0].Status, Common.RoomStatus_OH);
    QCOMPARE(curGuest.Price.toString(), QStringLiteral("90"));
    QCOMPARE(card()[QStringLiteral("end")], QStringLiteral("2026-12-10 13:00"));
}

void TestWalkIn::extendsAStay()
{
    // A room at its card limit and not vacant: an extension checks neither.
    openRoom(room305(RoomStatus::OC_WalkIn, 3, 9));
    addGuest(QStringLiteral("Anna"));
    curMenu = QStringLiteral("Postpone");
    IssueRequest r = request(QStringLiteral("Anna"));
    r.roomNoText.clear();
    r.guest.listedGuest = true;
    r.guest.checkIn = DateTimeText(kNow.addDays(-1));
    r.checkOut = kTomorrowNoon.addDays(2);
    QVERIFY(IssueGuestCard(r, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{"N9038"});
    QCOMPARE(curGuest.Flag, QStringLiteral("Copy"));
    QCOMPARE(curGuest.ComeTime, kNow.addDays(-1));
    QCOMPARE(aryRoom[0].CardCount, 3);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT CardCount FROM RoomInfo")).toInt(), 3);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Status FROM CardInfo")).toString(), QStringLiteral("Postpone"));
    QCOMPARE(card()[QStringLiteral("end")], QStringLiteral("2026-12-13 12:00"));
}

void TestWalkIn::failedStayLeavesNoWorkingCard_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("eraseFails");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("guest insert fails") << "GuestInfo" << false << QStringList{"E0026"};
    QTest::newRow("guest insert and erase fail") << "GuestInfo" << true << QStringList{"E0026", "E0046"};
    QTest::newRow("room save fails") << "RoomInfo" << false << QStringList{"E0025"};
}

void TestWalkIn::failedStayLeavesNoWorkingCard()
{
    QFETCH(QString, table);
    QFETCH(bool, eraseFails);
    QFETCH(QStringList, captions);
    openRoom(room305(RoomStatus::VC, 0, 9));
    QVERIFY(SqlExec(QStringLiteral("DROP TABLE ") + table));
    if (eraseFails)
        m_world->encoder->sim(QStringLiteral("fail erase 5"));

    QVERIFY(!IssueGuestCard(request(QStringLiteral("Anna")), m_texts));
    QCOMPARE(m_world->port.captions(), captions);
    QVERIFY(!isNeedRefreshRooms);
    QCOMPARE(card().contains(QStringLiteral("blank")), !eraseFails);
    // The register keeps the card; it shows it erased only when it is.
    QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(), 1);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Status FROM CardInfo")).toString() == Common.CardStatus_Erased,
             !eraseFails);
    // The room stays vacant for the next walk-in, in the registry and the database.
    QCOMPARE(aryRoom[0].Status, Common.RoomStatus_VC);
    QCOMPARE(aryRoom[0].CardCount, 0);
    if (table == QLatin1String("RoomInfo")) {
        QCOMPARE(guestRows(), 0);
    } else {
        QCOMPARE(SqlScalar(QStringLiteral("SELECT Status FROM RoomInfo")).toString(), Common.RoomStatus_VC);
        QCOMPARE(SqlScalar(QStringLiteral("SELECT CardCount FROM RoomInfo")).toInt(), 0);
    }
}

void TestWalkIn::failedPriceClearingKeepsTheIssue()
{
    QFETCH_GLOBAL(Engine, engine);
    openRoom(room305(RoomStatus::OC_WalkIn, 1, 9));
    addGuest(QStringLiteral("Anna"));
    settings.ClrPrice = 1;
    // The database refuses every change of an existing stay.
    if (engine == Engine::SQLite) {
        QVERIFY(SqlExec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON GuestInfo "
                                       "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    } else {
        QVERIFY(SqlExec(QStringLiteral("CREATE FUNCTION refuse() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION "
                                       "'refused'; END $$ LANGUAGE plpgsql")));
        QVERIFY(SqlExec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON GuestInfo FOR EACH ROW "
                                       "EXECUTE FUNCTION refuse()")));
    }
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(IssueGuestCard(request(QStringLiteral("Anna")), m_texts));
    QCOMPARE(m_world->port.captions(), (QStringList{"N9070", "E0063", "N9038"}));
    QCOMPARE(guestRows(), 2);
    QCOMPARE(curGuest.Flag, QStringLiteral("Copy"));
    QCOMPARE(SqlScalar(QStringLiteral("SELECT CardCount FROM RoomInfo")).toInt(), 2);
}

void TestWalkIn::changesTheRoom()
{
    QVERIFY(AddRoomRow(SampleRoom(2, 3, 6, QStringLiteral("306"))));
    openRoom(room305(RoomStatus::VC, 0, 9));
    QVERIFY(IssueGuestCard(request(QStringLiteral("Anna")), m_texts));
    const TGuestInfo stay = curGuest;
    const QString oldCardData = curCard.CardData;

    // The guest moves to 2-306 an hour later with the card in hand.
    m_world->clock->set(kNow.addSecs(3600));
    m_world->port.clear();
    curMenu = QStringLiteral("Change");
    oldGuest = stay;
    ptrAryRoom = 1;
    curRoom = aryRoom[1];
    IssueRequest r = request(QStringLiteral("Anna"));
    r.guest.listedGuest = true;
    r.guest.checkIn = DateTimeText(stay.ComeTime);
    r.guest.memo = QStringLiteral("quieter room");
    r.change = {aryRoom[0], 0, oldCardData};
    QVERIFY(IssueGuestCard(r, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{"N9038"});

    const auto value = [](const QString &column, const QString &where) {
        return SqlScalar(QStringLiteral("SELECT %1 FROM %2").arg(column, where)).toString();
    };
    QCOMPARE(value("Flag", QStringLiteral("GuestInfo WHERE ID=%1").arg(stay.ID)), QStringLiteral("CheckOut"));
    QCOMPARE(curGuest.BldRoomNo, QStringLiteral("2-306"));
    QCOMPARE(value("Flag", QStringLiteral("GuestInfo WHERE ID=%1").arg(curGuest.ID)), QStringLiteral("WalkIn"));
    QCOMPARE(value("BeiZhu", QStringLiteral("GuestInfo WHERE ID=%1").arg(curGuest.ID)),
             QStringLiteral("2-305 -> 2-306, quieter room"));
    QCOMPARE(curGuest.ComeTime, kNow);
    // The old room is vacant again, the new one occupied, in the registry and the database.
    QCOMPARE(value("Status", "RoomInfo WHERE RomID=5"), Common.RoomStatus_VC);
    QCOMPARE(value("CardCount", "RoomInfo WHERE RomID=5"), QStringLiteral("0"));
    QCOMPARE(value("Status", "RoomInfo WHERE RomID=6"), Common.RoomStatus_OC_WalkIn);
    QCOMPARE(value("CardCount", "RoomInfo WHERE RomID=6"), QStringLiteral("1"));
    QCOMPARE(aryRoom[0].Status, Common.RoomStatus_VC);
    QCOMPARE(aryRoom[1].Status, Common.RoomStatus_OC_WalkIn);
    // The old card is erased in the register; the card now opens 2-306.
    QCOMPARE(value("Status", "CardInfo WHERE CardData='" + oldCardData + "'"), Common.CardStatus_Erased);
    QCOMPARE(value("Status", "CardInfo WHERE CardData='" + curCard.CardData + "'"),
             QStringLiteral("Room Change, New Check-In & Cover Cards Before"));
    QCOMPARE(card()[QStringLiteral("lockArea")].mid(2), QStringLiteral("060302"));
}

void TestWalkIn::groupMemberMovesWithinTheGroup()
{
    QVERIFY(AddRoomRow(SampleRoom(2, 3, 6, QStringLiteral("306"))));
    openRoom(room305(RoomStatus::VC, 0, 9));
    curMenu = QStringLiteral("TeamIn");
    QVERIFY(IssueGuestCard(request(QStringLiteral("Lead")), m_texts));
    const TGuestInfo stay = curGuest;
    QCOMPARE(aryRoom[0].Status, Common.RoomStatus_OC_Team);

    m_world->port.clear();
    curMenu = QStringLiteral("Change");
    oldGuest = stay;
    ptrAryRoom = 1;
    curRoom = aryRoom[1];
    IssueRequest r = request(QStringLiteral("Lead"));
    r.guest.listedGuest = true;
    r.guest.checkIn = DateTimeText(stay.ComeTime);
    r.change = {aryRoom[0], 0, curCard.CardData};
    QVERIFY(IssueGuestCard(r, m_texts));
    // The member stays in the group: the new row and the new room say so.
    QCOMPARE(curGuest.Flag, QStringLiteral("TeamIn"));
    QCOMPARE(aryRoom[1].Status, Common.RoomStatus_OC_Team);
    QCOMPARE(aryRoom[0].Status, Common.RoomStatus_VC);
}

void TestWalkIn::checksInAReservation_data()
{
    QTest::addColumn<int>("chosenRooms");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<RoomStatus>("newStatus");
    QTest::newRow("one room") << 1 << "WalkIn" << RoomStatus::OC_WalkIn;
    QTest::newRow("a group's rooms") << 2 << "TeamIn" << RoomStatus::OC_Team;
}

void TestWalkIn::checksInAReservation()
{
    QFETCH(int, chosenRooms);
    QFETCH(QString, flag);
    QFETCH(RoomStatus, newStatus);
    openRoom(room305(RoomStatus::OT, 0, 9));
    addGuest(QStringLiteral("Anna"));
    QVERIFY(SqlExec(QStringLiteral("UPDATE GuestInfo SET Flag='Reservation'")));
    curRoom.ReservCkIn = FirstReservationTime(curRoom.BldRoomNo);
    QVERIFY(curRoom.ReservCkIn > DateTimeZero());
    curMenu = QStringLiteral("ReservationCheckIn");
    IssueRequest r = request(QStringLiteral("Anna"));
    r.chosenRooms = chosenRooms;
    m_world->port.answer(BoxAnswer::Ok);

    // The room is reserved, not vacant; the reservation being checked in is
    // no conflict.
    QVERIFY(IssueGuestCard(r, m_texts));
    QCOMPARE(m_world->port.captions(), (QStringList{"N9070", "N9038"}));
    QCOMPARE(curGuest.Flag, flag);
    QCOMPARE(SqlScalar(QStringLiteral("SELECT Flag FROM GuestInfo WHERE ID<>%1").arg(curGuest.ID)).toString(),
             QStringLiteral("[Reservation Check-In]2026-12-10 10:00:00"));
    QCOMPARE(aryRoom[0].Status, RoomStatusText(newStatus));
    QCOMPARE(aryRoom[0].ReservCkIn, DateTimeZero());
    QCOMPARE(DateTimeFromSql(SqlScalar(QStringLiteral("SELECT ReservCkIn FROM RoomInfo"))), DateTimeZero());
    QCOMPARE(card()[QStringLiteral("dai")].toInt(), 10);
}

QTEST_GUILESS_MAIN(TestWalkIn)
#include "tst_walkin.moc"
