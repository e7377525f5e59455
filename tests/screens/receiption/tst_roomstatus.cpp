#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/roomstatus.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QTest>

// Room status set by hand, without the panel: who is asked, what the row and
// the registry hold afterwards, and how a room that cannot be written is told.
class TestRoomStatus : public QObject {
    Q_OBJECT
private slots:
    // Every test runs on both engines.
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void applies_data();
    void applies();
    void roomThatCannotBeWrittenKeepsItsMark();
    void fillsTheGrid_data();
    void fillsTheGrid();

private:
    // Rooms 201 to 203 of building 1; 203 in the given state with a memo, a
    // reservation, a planned check-out and, when occupied, a guest.
    void addRooms(RoomStatus status, int cardCount);

    std::optional<TestWorld> m_world;
    RoomStatusTexts m_texts;
};

Q_DECLARE_METATYPE(RoomStatus)

namespace {

const QDateTime kReserved(QDate(2026, 12, 20), QTime(14, 0));
const QDateTime kDueOut(QDate(2026, 12, 12), QTime(12, 0));

QList<StatusRow> gridRows(const QList<int> &marked)
{
    QList<StatusRow> rows;
    for (int i = 0; i < aryRoom.size(); ++i)
        rows << StatusRow{marked.contains(i) ? kRowMarked : QString(), aryRoom[i]};
    return rows;
}

QStringList marks(const QList<StatusRow> &rows)
{
    QStringList shown;
    for (const StatusRow &row : rows)
        shown << row.mark;
    return shown;
}

} // namespace

void TestRoomStatus::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace();
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Main Building')")));
    m_texts = ReadRoomStatusTexts();
    curBld = {1, QStringLiteral("Main Building")};
}

void TestRoomStatus::addRooms(RoomStatus status, int cardCount)
{
    for (int romId = 1; romId <= 3; ++romId)
        QVERIFY(AddRoomRow(SampleRoom(1, 2, romId, QString::number(200 + romId))));
    QVERIFY(LoadAryRoom());
    TRoomInfo room = aryRoom[2];
    room.Status = RoomStatusText(status);
    room.CardCount = cardCount;
    room.Dai = 7;
    room.BeiZhu = QStringLiteral("window sticks");
    room.ReservCkIn = kReserved;
    room.FirstCkOut = kDueOut;
    QVERIFY(SaveRoomState(room, 2));
    if (cardCount > 0) {
        curGuest = TGuestInfo();
        curGuest.BldRoomNo = room.BldRoomNo;
        curGuest.Name = QStringLiteral("Anna");
        curGuest.GoTime = kDueOut;
        curGuest.Flag = QLatin1String(kFlagWalkIn);
        QVERIFY(InsertGuestInfo());
    }
    ptrCurBldOfAryRoom = 0;
    ptrAryRoom = -1;
    isNeedRefreshRooms = false;
}

void TestRoomStatus::applies_data()
{
    QTest::addColumn<RoomStatus>("oldStatus");
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<RoomStatus>("newStatus");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("cardsAfter"); // -1: nothing written
    QTest::addColumn<QString>("memoAfter");
    QTest::addColumn<bool>("checkOutCleared");
    QTest::newRow("vacating an occupied room asks and empties it")
        << RoomStatus::OC_WalkIn << 2 << RoomStatus::VC << QString() << true << true << 0 << QString() << true;
    QTest::newRow("a cleaned room becomes vacant unasked")
        << RoomStatus::VD << 0 << RoomStatus::VC << QString() << false << true << 0 << QString() << true;
    QTest::newRow("out of order with the maintenance text")
        << RoomStatus::VC << 0 << RoomStatus::OO << QStringLiteral("  leaking tap ") << false << true << 0
        << QStringLiteral("leaking tap") << false;
    QTest::newRow("an occupied room goes out of order unasked")
        << RoomStatus::OC_WalkIn << 2 << RoomStatus::OO << QStringLiteral("no heating") << false << true << 2
        << QStringLiteral("no heating") << false;
    QTest::newRow("a vacant room to cleaning asks")
        << RoomStatus::VC << 0 << RoomStatus::VD << QString() << true << true << 0 << QStringLiteral("window sticks")
        << false;
    QTest::newRow("declined, nothing is written")
        << RoomStatus::VC << 0 << RoomStatus::VD << QString() << true << false << -1 << QStringLiteral("window sticks")
        << false;
    QTest::newRow("a reserved room to vacant unasked")
        << RoomStatus::OT << 0 << RoomStatus::VC << QString() << false << true << 0 << QString() << true;
}

void TestRoomStatus::applies()
{
    QFETCH(RoomStatus, oldStatus);
    QFETCH(int, cardCount);
    QFETCH(RoomStatus, newStatus);
    QFETCH(QString, memo);
    QFETCH(bool, asks);
    QFETCH(bool, confirm);
    QFETCH(int, cardsAfter);
    QFETCH(QString, memoAfter);
    QFETCH(bool, checkOutCleared);
    addRooms(oldStatus, cardCount);
    const TRoomInfo before = aryRoom[2];
    QList<StatusRow> rows = gridRows({2});
    m_world->port.answer(confirm ? BoxAnswer::Ok : BoxAnswer::Cancel);
    const StatusApplied applied = ApplyRoomStatus(newStatus, memo, &rows, m_texts);

    const bool written = cardsAfter >= 0;
    QStringList boxes;
    if (asks)
        boxes << QStringLiteral("N9071");
    if (!written)
        boxes << QStringLiteral("N9033");
    QCOMPARE(m_world->port.captions(), boxes);
    if (asks) {
        QCOMPARE(m_world->port.boxes().first().text,
                 QStringLiteral("\nAre you sure to modify the Room Status?\n\nRoom No.:  203\n\n") + before.Status
                     + QStringLiteral("  -->  ") + RoomStatusText(newStatus));
    }
    QCOMPARE(applied.written, written ? 1 : 0);
    QCOMPARE(marks(rows), (QStringList{QString(), QString(), written ? kRowDone : kRowMarked}));
    QCOMPARE(isNeedRefreshRooms, written);
    QCOMPARE(ptrAryRoom, written ? 2 : -1);
    const QString newText = written ? RoomStatusText(newStatus) : before.Status;
    QCOMPARE(applied.summary,
             QStringLiteral("%1: %2   %3").arg(RoomStatusText(newStatus)).arg(written ? 1 : 0).arg(memo.trimmed()));

    // The registry holds what the row holds, and only the status fields moved.
    const TRoomInfo patched = aryRoom[2];
    QVERIFY(LoadAryRoom());
    for (const TRoomInfo &room : {patched, aryRoom[2]}) {
        QCOMPARE(room.Status, newText);
        QCOMPARE(room.CardCount, written ? cardsAfter : cardCount);
        QCOMPARE(room.BeiZhu, memoAfter);
        QCOMPARE(room.FirstCkOut, checkOutCleared ? DateTimeZero() : kDueOut);
        QCOMPARE(room.ReservCkIn, kReserved);
        QCOMPARE(room.Dai, 7);
    }
    QCOMPARE(aryRoom[1].Status, Common.RoomStatus_VC);
    // Stays are the guest register's business: the guest is still in.
    QCOMPARE(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM GuestInfo WHERE Flag='WalkIn'")).toInt(),
             cardCount > 0 ? 1 : 0);
}

void TestRoomStatus::roomThatCannotBeWrittenKeepsItsMark()
{
    addRooms(RoomStatus::VD, 0);
    // Another desk removed room 201 after the grid was filled.
    QVERIFY(SqlExec(QStringLiteral("DELETE FROM RoomInfo WHERE RoomNo='201'")));
    QList<StatusRow> rows = gridRows({0, 2});
    const StatusApplied applied = ApplyRoomStatus(RoomStatus::OO, QStringLiteral("tap"), &rows, m_texts);
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("E0019")});
    QCOMPARE(m_world->port.boxes().first().text,
             QStringLiteral("Update Room Status Failure!\n\nNo room 001002001 in RoomInfo\nVacant\nMaintenance\ntap"));
    QCOMPARE(applied.written, 1);
    QCOMPARE(applied.summary, QStringLiteral("Maintenance: 1   tap"));
    QCOMPARE(marks(rows), (QStringList{kRowMarked, QString(), kRowDone}));
    QCOMPARE(aryRoom[0].Status, Common.RoomStatus_VC);
    QCOMPARE(aryRoom[2].Status, Common.RoomStatus_OO);
    QCOMPARE(ptrAryRoom, 2);
}

void TestRoomStatus::fillsTheGrid_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("clearMarks");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("current");
    const QStringList kept = {kRowDone, QString(), kRowMarked};
    QTest::newRow("from the walk-in panel the served room is marked")
        << "WalkIn" << true << QStringList{QString(), QString(), kRowMarked} << 2;
    QTest::newRow("from the board nothing is marked") << "Receiption" << true << QStringList(3, QString()) << -1;
    QTest::newRow("after a status change the marks stay") << "ModiRoomStatus" << false << kept << -1;
}

void TestRoomStatus::fillsTheGrid()
{
    QFETCH(QString, before);
    QFETCH(bool, clearMarks);
    QFETCH(QStringList, marks);
    QFETCH(int, current);
    addRooms(RoomStatus::VC, 0);
    QVERIFY(AddRoomRow(SampleRoom(2, 1, 1, QStringLiteral("203"))));
    QVERIFY(LoadAryRoom());
    curRoom = aryRoom[2];
    prevMenu = before;
    curMenu = QStringLiteral("ModiRoomStatus");
    QList<StatusRow> previous = gridRows({2});
    previous[0].mark = kRowDone;
    int row = 0;
    const QList<StatusRow> rows = FillStatusGrid(previous, clearMarks, &row);
    QCOMPARE(::marks(rows), marks);
    QCOMPARE(row, current);
    QCOMPARE(rows[1].room.LockNo, QStringLiteral("001002002"));
    QCOMPARE(prevMenu, curMenu);
}

QTEST_GUILESS_MAIN(TestRoomStatus)
#include "tst_roomstatus.moc"
