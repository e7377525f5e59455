#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "encodersim/simdevice.h"
#include "screens/lockconfig/lockcardissue.h"
#include "screens/receiption/carderase.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/guestcard.h"
#include "screens/receiption/walkin.h"
#include "screens/reports/recordupload.h"
#include "screens/reports/reportrows.h"
#include "screens/reports/reportstexts.h"
#include "screens/staffcards/staffcardissue.h"
#include "store/cardregister.h"
#include "store/database.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QTest>

// Cards written by the console held to the simulated door locks: which doors
// each kind opens, when, and what the locks remember.
class TestDoors : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_world.reset(); }
    void guestCardOpensItsRoomInItsStay_data();
    void guestCardOpensItsRoomInItsStay();
    void staffCardsOpenTheirAreaInTheirHours_data();
    void staffCardsOpenTheirAreaInTheirHours();
    void endedStayClosesTheDoor_data();
    void endedStayClosesTheDoor();
    void coveringCardsEndOlderOnes_data();
    void coveringCardsEndOlderOnes();
    void deadboltNeedsTheAccessBolt_data();
    void deadboltNeedsTheAccessBolt();
    void blackNameCardBarsACardAtItsLock();
    void locksServeOnlyTheirHotel_data();
    void locksServeOnlyTheirHotel();
    void checkOutCardEndsEarlierGuestCards();
    void clockCardSetsTheLocksClock();
    void recordCardHandsTheOpeningsToTheCollector();
    void uploadedRecordsNameTheDoorInTheReport();

private:
    // Binds each door's lock with a system card and gives it its lock number,
    // which is the door's name.
    void install(const QStringList &doors);
    // A guest card for the room at index, issued at the clock's time; returns its serial.
    QString issueGuestCard(int index, const QString &name, bool cover = false);
    // A staff or lock configuration card issued as its screen does, on a new
    // blank card; returns its serial.
    QString issueStaffCard(const StaffCardFields &fields);
    QString issueLockCard(const LockCardFields &fields);
    // A room-number card for the room whose lock number is lockNo.
    QString issueRoomNumberCard(const QString &lockNo);
    // A staff card of kind for the area (the group of a group card), 08:00-18:00 unless given, for 30 days.
    QString issueStaffCard(int kind, int area = 0, int flrNo = 0, bool accessBolt = false,
                           QTime start = QTime(8, 0), QTime end = QTime(18, 0));
    // What the lock of door answers to the kept card serial at the time at.
    QString door(const QString &name, const QString &serial, const QString &at,
                 const QStringList &more = QStringList()) const;
    QString serialOnEncoder() const;
    QString sim(const QStringList &arguments) const { return m_world->encoder->sim(arguments).trimmed(); }

    std::optional<TestWorld> m_world;
    DeskTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));
const QDateTime kTomorrowNoon(QDate(2026, 12, 11), QTime(12, 0));

StaffCardFields staffCard(int kind)
{
    StaffCardFields fields;
    fields.kind = kind;
    fields.typeName = CardTypeNames[kind];
    fields.expiry = kNow.date().addDays(30);
    fields.start = QTime(8, 0);
    fields.end = QTime(18, 0);
    return fields;
}

LockCardFields lockCard(int kind, int groupOp = ClearOneGroup, int groupNo = 0)
{
    LockCardFields fields;
    fields.kind = kind;
    fields.groupOp = groupOp;
    fields.typeName = kind == kGroupNoCard ? GroupOpName(groupOp) : CardTypeNames[kind];
    if (kind == kGroupNoCard)
        fields.field = QString::number(groupNo);
    return fields;
}

} // namespace

void TestDoors::init()
{
    m_world.emplace(WorldOptions{.encoder = true, .clock = true, .database = Engine::SQLite});
    m_world->clock->set(kNow);
    settings.DBBakPath = m_world->folder.file(QStringLiteral("bak"));
    curOperator.GongHao = QStringLiteral("007");
    m_texts = ReadDeskTexts();
    m_world->encoder->sim(QStringLiteral("blank"));
    OpenEncoder();
    Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    QVERIFY(CheckEncoder());
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Main')")));
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (2, 'Annex')")));
    QVERIFY(AddRoomRow(SampleRoom(1, 1, 1, QStringLiteral("101"))));
    QVERIFY(AddRoomRow(SampleRoom(1, 1, 2, QStringLiteral("102"))));
    QVERIFY(AddRoomRow(SampleRoom(1, 2, 1, QStringLiteral("201"))));
    QVERIFY(AddRoomRow(SampleRoom(2, 1, 1, QStringLiteral("101"))));
    QVERIFY(LoadAryRoom());
    curBld = {1, QStringLiteral("Main")};
}

QString TestDoors::serialOnEncoder() const
{
    for (const QString &line : m_world->encoder->sim(QStringLiteral("show")).split(u'\n')) {
        if (line.startsWith(QLatin1String("serial=")))
            return line.mid(7);
    }
    return QString();
}

QString TestDoors::issueStaffCard(const StaffCardFields &fields)
{
    m_world->encoder->sim(QStringLiteral("blank"));
    return IssueStaffCard(fields) == IssueOutcome::Issued ? serialOnEncoder() : QString();
}

QString TestDoors::issueLockCard(const LockCardFields &fields)
{
    m_world->encoder->sim(QStringLiteral("blank"));
    return IssueLockCard(fields, QStringLiteral("Select a room")) == IssueOutcome::Issued ? serialOnEncoder()
                                                                                         : QString();
}

QString TestDoors::issueRoomNumberCard(const QString &lockNo)
{
    LockCardFields fields = lockCard(kRoomNoCard);
    for (const TRoomInfo &room : aryRoom) {
        if (room.LockNo == lockNo) {
            fields.room = room;
            fields.field = room.BldRoomNo;
        }
    }
    return issueLockCard(fields);
}

QString TestDoors::issueStaffCard(int kind, int area, int flrNo, bool accessBolt, QTime start, QTime end)
{
    StaffCardFields fields = staffCard(kind);
    if (kind == kGroupCard) {
        fields.memo = QString::number(area);
    } else {
        fields.bldNo = area;
        fields.flrNo = flrNo;
    }
    fields.accessBolt = accessBolt;
    fields.start = start;
    fields.end = end;
    return issueStaffCard(fields);
}

void TestDoors::install(const QStringList &doors)
{
    const QString system = issueLockCard(lockCard(kSystemCard));
    QVERIFY(!system.isEmpty());
    for (const QString &name : doors) {
        QVERIFY(door(name, system, QStringLiteral("2026-12-10 09:00")).startsWith(QLatin1String("set: system code")));
        const QString roomNumber = issueRoomNumberCard(name);
        QVERIFY(!roomNumber.isEmpty());
        QCOMPARE(door(name, roomNumber, QStringLiteral("2026-12-10 09:00")),
                 QStringLiteral("set: lock number ") + name);
    }
}

QString TestDoors::issueGuestCard(int index, const QString &name, bool cover)
{
    m_world->encoder->sim(QStringLiteral("blank"));
    curMenu = QStringLiteral("WalkIn");
    ptrAryRoom = index;
    curRoom = aryRoom[index];
    LoadRoomGuests(curRoom.BldRoomNo);
    IssueRequest request;
    request.roomNoText = curRoom.BldRoomNo;
    request.guest.name = name;
    request.guest.cNo = QStringLiteral("P") + name;
    ptrAryGuest = -1;
    for (int i = 0; i < lenAryGuest; ++i) {
        if (aryGuest[i].Name == name) {
            ptrAryGuest = i;
            curGuest = aryGuest[i];
            request.guest.listedGuest = true;
            request.guest.checkIn = DateTimeText(aryGuest[i].ComeTime);
        }
    }
    request.checkOut = kTomorrowNoon;
    request.cover = cover;
    m_world->port.answer(BoxAnswer::Ok);
    const bool issued = IssueGuestCard(request, m_texts);
    m_world->port.clear();
    return issued ? serialOnEncoder() : QString();
}

QString TestDoors::door(const QString &name, const QString &serial, const QString &at, const QStringList &more) const
{
    return sim(QStringList{"door", name, "--serial", serial, "--at", at} + more);
}

void TestDoors::guestCardOpensItsRoomInItsStay_data()
{
    QTest::addColumn<QString>("door");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("answer");
    QTest::newRow("its room") << "001001001" << "2026-12-10 10:05" << "open";
    QTest::newRow("the next room") << "001001002" << "2026-12-10 10:05" << "denied: another room's card";
    QTest::newRow("the room above") << "001002001" << "2026-12-10 10:05" << "denied: another room's card";
    QTest::newRow("its number in another building") << "002001001" << "2026-12-10 10:05"
                                                    << "denied: another room's card";
    QTest::newRow("in the minute of its end") << "001001001" << "2026-12-11 12:00" << "open";
    QTest::newRow("after its end") << "001001001" << "2026-12-11 12:01" << "denied: expired";
    QTest::newRow("before its issue") << "001001001" << "2026-12-10 09:59" << "denied: not valid yet";
}

void TestDoors::guestCardOpensItsRoomInItsStay()
{
    QFETCH(QString, door);
    QFETCH(QString, at);
    QFETCH(QString, answer);
    install({door});
    const QString guest = issueGuestCard(0, QStringLiteral("Anna"));
    QCOMPARE(this->door(door, guest, at), answer);
}

void TestDoors::staffCardsOpenTheirAreaInTheirHours_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("area");  // the building, or the group of a group card
    QTest::addColumn<int>("floor");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("end");
    // Group-number cards held to the lock first: "op:group", the operation alone for all groups.
    QTest::addColumn<QString>("groupSettings");
    QTest::addColumn<QString>("door");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("answer");
    const QTime eight(8, 0), six(18, 0);
    QTest::newRow("floor card, a room of its floor") << 13 << 1 << 1 << eight << six << "" << "001001001"
                                                     << "2026-12-10 12:00" << "open";
    QTest::newRow("floor card, the next room") << 13 << 1 << 1 << eight << six << "" << "001001002"
                                               << "2026-12-10 12:00" << "open";
    QTest::newRow("floor card, the floor above") << 13 << 1 << 1 << eight << six << "" << "001002001"
                                                 << "2026-12-10 12:00" << "denied: another floor's card";
    QTest::newRow("floor card, another building") << 13 << 1 << 1 << eight << six << "" << "002001001"
                                                  << "2026-12-10 12:00" << "denied: another floor's card";
    QTest::newRow("floor card, before its hours") << 13 << 1 << 1 << eight << six << "" << "001001001"
                                                  << "2026-12-11 07:59" << "denied: outside its hours";
    QTest::newRow("floor card, its last minute") << 13 << 1 << 1 << eight << six << "" << "001001001"
                                                 << "2026-12-11 18:00" << "open";
    QTest::newRow("floor card, after its hours") << 13 << 1 << 1 << eight << six << "" << "001001001"
                                                 << "2026-12-11 18:01" << "denied: outside its hours";
    QTest::newRow("floor card, after its end date") << 13 << 1 << 1 << eight << six << "" << "001001001"
                                                    << "2027-01-10 12:00" << "denied: expired";
    QTest::newRow("night shift, at night") << 13 << 1 << 1 << QTime(22, 0) << QTime(6, 0) << "" << "001001001"
                                           << "2026-12-11 02:30" << "open";
    QTest::newRow("night shift, by day") << 13 << 1 << 1 << QTime(22, 0) << QTime(6, 0) << "" << "001001001"
                                         << "2026-12-11 12:00" << "denied: outside its hours";
    QTest::newRow("building card, its building") << 12 << 1 << 0 << eight << six << "" << "001002001"
                                                 << "2026-12-10 12:00" << "open";
    QTest::newRow("building card, another building") << 12 << 1 << 0 << eight << six << "" << "002001001"
                                                     << "2026-12-10 12:00" << "denied: another building's card";
    QTest::newRow("master card") << 11 << 0 << 0 << eight << six << "" << "002001001" << "2026-12-10 12:00"
                                 << "open";
    QTest::newRow("emergency card") << 10 << 0 << 0 << eight << six << "" << "001002001" << "2026-12-10 12:00"
                                    << "open";
    QTest::newRow("group card, lock of its group") << 8 << 5 << 0 << eight << six << "1:5" << "001001001"
                                                   << "2026-12-10 12:00" << "open";
    QTest::newRow("group card, lock of another group") << 8 << 5 << 0 << eight << six << "1:6" << "001001001"
                                                       << "2026-12-10 12:00" << "denied: another group's card";
    QTest::newRow("group card, lock of all groups") << 8 << 5 << 0 << eight << six << "3" << "001001001"
                                                    << "2026-12-10 12:00" << "open";
    QTest::newRow("group card, its group cleared") << 8 << 5 << 0 << eight << six << "3 0:5" << "001001001"
                                                   << "2026-12-10 12:00" << "denied: another group's card";
    QTest::newRow("group card, all groups cleared") << 8 << 5 << 0 << eight << six << "1:5 2" << "001001001"
                                                    << "2026-12-10 12:00" << "denied: another group's card";
}

void TestDoors::staffCardsOpenTheirAreaInTheirHours()
{
    QFETCH(int, kind);
    QFETCH(int, area);
    QFETCH(int, floor);
    QFETCH(QTime, start);
    QFETCH(QTime, end);
    QFETCH(QString, groupSettings);
    QFETCH(QString, door);
    QFETCH(QString, at);
    QFETCH(QString, answer);
    install({door});
    for (const QString &setting : groupSettings.split(u' ', Qt::SkipEmptyParts)) {
        const LockCardFields card = lockCard(kGroupNoCard, setting.section(u':', 0, 0).toInt(),
                                             setting.section(u':', 1, 1).toInt());
        QVERIFY(this->door(door, issueLockCard(card), QStringLiteral("2026-12-10 09:00")).startsWith("set: groups"));
    }
    const QString staff = issueStaffCard(kind, area, floor, false, start, end);
    QVERIFY(!staff.isEmpty());
    QCOMPARE(this->door(door, staff, at), answer);
}

void TestDoors::endedStayClosesTheDoor_data()
{
    QTest::addColumn<bool>("checkOut"); // checked out with the card, else erased at the desk
    QTest::newRow("check-out with the card") << true;
    QTest::newRow("card erase") << false;
}

void TestDoors::endedStayClosesTheDoor()
{
    QFETCH(bool, checkOut);
    install({QStringLiteral("001001001")});
    const QString guest = issueGuestCard(0, QStringLiteral("Anna"));
    const QString at = QStringLiteral("2026-12-10 10:05");
    QCOMPARE(door(QStringLiteral("001001001"), guest, at), QStringLiteral("open"));
    if (checkOut) {
        QVERIFY(ReadGuestCard(m_texts));
        QVERIFY(CheckOutWithCard(curCard.CardData, m_texts));
    } else {
        m_world->port.answer(BoxAnswer::Ok);
        QVERIFY(EraseCardAtDesk(m_texts));
    }
    QCOMPARE(door(QStringLiteral("001001001"), guest, at), QStringLiteral("denied: blank card"));
}

void TestDoors::coveringCardsEndOlderOnes_data()
{
    QTest::addColumn<int>("tiShi");
    QTest::addColumn<int>("dai");          // the room's counter before the first card
    QTest::addColumn<bool>("cover");       // the second card covers the first
    QTest::addColumn<bool>("secondUsed");  // the second card was held to the lock before the first comes back
    QTest::addColumn<QString>("first");    // what the lock answers the first card then
    QTest::newRow("counters compared, covering card used") << 152 << 3 << true << true
                                                           << "denied: covered by a newer card";
    QTest::newRow("counters compared, covering card past 255") << 152 << 255 << true << true
                                                               << "denied: covered by a newer card";
    QTest::newRow("counters compared, covering card not used yet") << 152 << 3 << true << false << "open";
    QTest::newRow("counters compared, a copy used") << 152 << 3 << false << true << "open";
    QTest::newRow("default options, covering card used") << 156 << 3 << true << true << "open";
}

void TestDoors::coveringCardsEndOlderOnes()
{
    QFETCH(int, tiShi);
    QFETCH(int, dai);
    QFETCH(bool, cover);
    QFETCH(bool, secondUsed);
    QFETCH(QString, first);
    settings.TiShi = static_cast<quint8>(tiShi);
    install({QStringLiteral("001001001")});
    QVERIFY(SqlExec(QStringLiteral("UPDATE RoomInfo SET Dai=%1 WHERE BldNo=1 AND FlrNo=1 AND RomID=1").arg(dai)));
    aryRoom[0].Dai = dai;
    const QString at = QStringLiteral("2026-12-10 10:05");
    const QString firstCard = issueGuestCard(0, QStringLiteral("Anna"));
    QCOMPARE(door(QStringLiteral("001001001"), firstCard, at), QStringLiteral("open"));
    const QString secondCard = issueGuestCard(0, QStringLiteral("Anna"), cover);
    if (secondUsed)
        QCOMPARE(door(QStringLiteral("001001001"), secondCard, at), QStringLiteral("open"));
    QCOMPARE(door(QStringLiteral("001001001"), firstCard, at), first);
    QCOMPARE(door(QStringLiteral("001001001"), secondCard, at), QStringLiteral("open"));
}

void TestDoors::deadboltNeedsTheAccessBolt_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("accessBolt"); // on the master card, or GuestLLock for the guest card
    QTest::addColumn<QString>("answer");
    QTest::newRow("master card with the access bolt") << 11 << true << "open";
    QTest::newRow("master card without it") << 11 << false << "denied: deadbolted";
    QTest::newRow("guest card without it") << 6 << false << "denied: deadbolted";
    QTest::newRow("guest card with it") << 6 << true << "open";
}

void TestDoors::deadboltNeedsTheAccessBolt()
{
    QFETCH(int, kind);
    QFETCH(bool, accessBolt);
    QFETCH(QString, answer);
    settings.GuestLLock = accessBolt ? 1 : 0;
    install({QStringLiteral("001001001")});
    const QString card = kind == 6 ? issueGuestCard(0, QStringLiteral("Anna"))
                                   : issueStaffCard(kind, 0, 0, accessBolt);
    QCOMPARE(door(QStringLiteral("001001001"), card, QStringLiteral("2026-12-10 10:05"), {"--deadbolt"}), answer);
    QCOMPARE(door(QStringLiteral("001001001"), card, QStringLiteral("2026-12-10 10:05")), QStringLiteral("open"));
}

void TestDoors::blackNameCardBarsACardAtItsLock()
{
    install({QStringLiteral("001001001"), QStringLiteral("001001002")});
    const QString master = issueStaffCard(11);
    const QString masterId = curCard.CardID;
    const QString at = QStringLiteral("2026-12-10 10:05");
    QCOMPARE(door(QStringLiteral("001001001"), master, at), QStringLiteral("open"));
    StaffCardFields blackName = staffCard(kBlackNameCard);
    blackName.memo = masterId;
    const QString barring = issueStaffCard(blackName);
    QCOMPARE(door(QStringLiteral("001001001"), barring, at), QStringLiteral("set: barred ") + masterId);
    QCOMPARE(door(QStringLiteral("001001001"), master, at), QStringLiteral("denied: barred card"));
    // A lock that has not seen the black-name card still opens.
    QCOMPARE(door(QStringLiteral("001001002"), master, at), QStringLiteral("open"));
}

void TestDoors::locksServeOnlyTheirHotel_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<int>("kind"); // of the card written after the hotel's code changed
    QTest::addColumn<QString>("answer");
    QTest::newRow("guest card of another hotel") << true << 6 << "denied: card of another system code";
    QTest::newRow("system card of another hotel") << true << 0 << "denied: card of another system code";
    QTest::newRow("guest card at a lock without system card") << false << 6
                                                              << "denied: the lock has no system card yet";
}

void TestDoors::locksServeOnlyTheirHotel()
{
    QFETCH(bool, installed);
    QFETCH(int, kind);
    QFETCH(QString, answer);
    const QString name = QStringLiteral("001001001");
    if (installed)
        install({name});
    settings.dlsCoID = 0x123456;
    const QString card = kind == 6 ? issueGuestCard(0, QStringLiteral("Anna")) : issueLockCard(lockCard(kind));
    QCOMPARE(door(name, card, QStringLiteral("2026-12-10 10:05")), answer);
}

void TestDoors::checkOutCardEndsEarlierGuestCards()
{
    const QString name = QStringLiteral("001001001");
    install({name});
    const QString before = issueGuestCard(0, QStringLiteral("Anna"));
    const QString master = issueStaffCard(11);
    QCOMPARE(door(name, before, QStringLiteral("2026-12-10 10:05")), QStringLiteral("open"));
    m_world->clock->set(kNow.addSecs(1800));
    const QString terminate = issueStaffCard(staffCard(7));
    QCOMPARE(door(name, terminate, QStringLiteral("2026-12-10 10:30")),
             QStringLiteral("set: guest cards issued before 2026-12-10 10:30 checked out"));
    QCOMPARE(door(name, before, QStringLiteral("2026-12-10 10:35")),
             QStringLiteral("denied: checked out by a check-out card"));
    QCOMPARE(door(name, master, QStringLiteral("2026-12-10 10:35")), QStringLiteral("open"));
    m_world->clock->set(kNow.addSecs(3600));
    const QString after = issueGuestCard(0, QStringLiteral("Bert"));
    QCOMPARE(door(name, after, QStringLiteral("2026-12-10 11:05")), QStringLiteral("open"));
}

void TestDoors::clockCardSetsTheLocksClock()
{
    const QString name = QStringLiteral("001001001");
    install({name});
    const QString guest = issueGuestCard(0, QStringLiteral("Anna"));
    // The clock card is written at 10:00 and held to a lock whose clock says 12:00.
    const QString clock = issueLockCard(lockCard(kClockCard));
    QCOMPARE(door(name, clock, QStringLiteral("2026-12-10 12:00")), QStringLiteral("set: clock 2026-12-10 10:00"));
    QVERIFY(sim({"doors"}).contains(QLatin1String("\tclock=-120min\t")));
    // An hour after the stay's end by the old clock, one before it by the lock's.
    QCOMPARE(door(name, guest, QStringLiteral("2026-12-11 13:00")), QStringLiteral("open"));
    QCOMPARE(door(name, guest, QStringLiteral("2026-12-11 14:01")), QStringLiteral("denied: expired"));
}

void TestDoors::recordCardHandsTheOpeningsToTheCollector()
{
    const QString name = QStringLiteral("001002001");
    install({name, QStringLiteral("001001001")});
    const QString master = issueStaffCard(11);
    const QString masterId = curCard.CardID;
    QCOMPARE(door(name, master, QStringLiteral("2026-12-10 10:15")), QStringLiteral("open"));
    QCOMPARE(door(name, master, QStringLiteral("2026-12-10 10:20")), QStringLiteral("open"));
    QCOMPARE(door(name, master, QStringLiteral("2026-12-10 10:25"), {"--deadbolt"}),
             QStringLiteral("denied: deadbolted"));
    QCOMPARE(door(QStringLiteral("001001001"), master, QStringLiteral("2026-12-10 10:20")), QStringLiteral("open"));
    QCOMPARE(sim({"doors"}),
             QStringLiteral("001001001\tlock=001001001\tsystem=FF0000\tclock=+0min\tgroups=none\trecords=1\n"
                            "001002001\tlock=001002001\tsystem=FF0000\tclock=+0min\tgroups=none\trecords=2"));

    const QString record = issueStaffCard(staffCard(1));
    QCOMPARE(door(name, record, QStringLiteral("2026-12-10 10:30")), QStringLiteral("records: 2 taken"));

    // Through the library, as the upload reads the collector.
    m_world->encoder->sim(QStringLiteral("model collector"));
    QString text;
    QCOMPARE(Encoder::ReadRecord(EncoderMode, text), 0);
    QCOMPARE(text.size(), 9 * 74); // 32 system records, two openings and two of no card
    QStringList records;
    for (int i = 0; i < text.size() / 74 * 4; ++i)
        records << text.mid(i / 4 * 74 + i % 4 * 16 + 6, 16);
    QCOMPARE(records[0], QStringLiteral("00FF0000809C0000"));
    QCOMPARE(records[1].mid(2, 6), QStringLiteral("010201")); // room index, floor, building
    QCOMPARE(DecodeRecordTime(records[19].left(12)), QDateTime(QDate(2026, 12, 10), QTime(10, 30)));
    QCOMPARE(records[32].left(8), masterId);
    QCOMPARE(DecodeCardTime(false, records[32].mid(8, 6)), QDateTime(QDate(2026, 12, 10), QTime(10, 15)));
    QCOMPARE(records[33].left(8), masterId);
    QCOMPARE(DecodeCardTime(false, records[33].mid(8, 6)), QDateTime(QDate(2026, 12, 10), QTime(10, 20)));
    QCOMPARE(records[34], QStringLiteral("FFFFFFFFFFFFFFFF"));
    QCOMPARE(records[35], QStringLiteral("FFFFFFFFFFFFFFFF"));
}

void TestDoors::uploadedRecordsNameTheDoorInTheReport()
{
    const QString name = QStringLiteral("001001001");
    install({name});
    const QString guest = issueGuestCard(0, QStringLiteral("Anna"));
    const QString guestId = curCard.CardID;
    QCOMPARE(door(name, guest, QStringLiteral("2026-12-10 10:15:22")), QStringLiteral("open"));
    QCOMPARE(door(name, guest, QStringLiteral("2026-12-10 18:40:07")), QStringLiteral("open"));
    QCOMPARE(door(name, guest, QStringLiteral("2026-12-11 07:02:59")), QStringLiteral("open"));
    const QString record = issueStaffCard(staffCard(1));
    QCOMPARE(door(name, record, QStringLiteral("2026-12-11 08:00")), QStringLiteral("records: 3 taken"));

    m_world->encoder->sim(QStringLiteral("model collector"));
    m_world->port.clear();
    m_world->port.answer(BoxAnswer::Ok);
    m_world->port.answer(BoxAnswer::Ok);
    const ReportsTexts texts = ReadReportsTexts();
    QVERIFY(UploadLockRecords(texts, {}));
    QCOMPARE(m_world->port.captions(), QStringList({"N9060", "N9061"}));

    ReportTable table;
    QVERIFY(BuildReport(ReportKind::Open, texts, ReportFilters(), &table));
    QCOMPARE(table.lockNo, name);
    QCOMPARE(table.roomName, QStringLiteral("1-101"));
    // Newest first, to the even second the records carry.
    const QStringList times = {"2026-12-11 07:02:58", "2026-12-10 18:40:06", "2026-12-10 10:15:22"};
    for (int i = 0; i < times.size(); ++i) {
        QCOMPARE(table.rows[i][1], guestId);
        QCOMPARE(table.rows[i][2], QStringLiteral("Anna"));
        QCOMPARE(table.rows[i][3], times[i]);
        QCOMPARE(table.rows[i][4], CardTypeNames[6]);
    }
    // The rest fill the last line with no card, then the lock's system records.
    QCOMPARE(table.rows[3][1], QStringLiteral("FFFFFFFF"));
    QCOMPARE(table.rows[4][4], QStringLiteral("SYSTEM DATA  1"));
}

QTEST_GUILESS_MAIN(TestDoors)
#include "tst_doors.moc"
