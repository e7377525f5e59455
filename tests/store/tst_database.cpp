#include "core/settings.h"
#include "core/state.h"
#include "store/database.h"
#include "store/guests.h"
#include "store/migration.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

#include <ctime>

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void fileBuildOpensTheDeliveredDatabase();
    void fileBuildCannotOpen_data();
    void fileBuildCannotOpen();
    void fileBuildLockedByAnotherProgram();
    void serverBuildAsksBeforeConnecting();
    void serverBuildShowsTheLoginThatFailed();
    void migrationAddsMissingColumns_data();
    void migrationAddsMissingColumns();
    void serverRefusesADeskZoneItDoesNotKnow();
    void dateTimesKeepTheDesksZoneOnTheServer();
};

namespace {

// The desk's time zone for as long as it lives, as the TZ variable sets it.
class DeskZone {
public:
    explicit DeskZone(const QByteArray &zone) : m_previous(qgetenv("TZ")), m_wasSet(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~DeskZone()
    {
        if (m_wasSet)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }
    DeskZone(const DeskZone &) = delete;
    DeskZone &operator=(const DeskZone &) = delete;

private:
    QByteArray m_previous;
    bool m_wasSet;
};

} // namespace

void TestDatabase::fileBuildOpensTheDeliveredDatabase()
{
    TestWorld world;
    QVERIFY(world.deliverDatabase(Engine::SQLite));
    CloseDatabase();
    ScriptedPort &port = world.port;
    TData1 data;
    QVERIFY(port.boxes().isEmpty());
    QVERIFY(Db().isOpen());
    QSqlQuery query(Db());
    // A committed change must survive a crash of the desk computer.
    QVERIFY(query.exec("PRAGMA journal_mode") && query.next());
    QCOMPARE(query.value(0).toString(), QString("wal"));
    QVERIFY(query.exec("PRAGMA synchronous") && query.next());
    QCOMPARE(query.value(0).toInt(), 2);
}

void TestDatabase::fileBuildCannotOpen_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a database") << QByteArray("Standard Jet DB\0junk junk junk junk junk junk", 45) << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

void TestDatabase::fileBuildCannotOpen()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    TestWorld world;
    if (present)
        world.folder.write("Zumerak.MDB", content);
    ScriptedPort &port = world.port;
    TData1 data;
    QCOMPARE(port.captions(), QStringList{"E0001"});
    QCOMPARE(port.boxes().first().text, "Open DataBase Error\n" + settings.DBFile);
    QCOMPARE(port.boxes().first().icon, BoxIcon::Error);
    QVERIFY(!Db().isOpen());
    QVERIFY(!data.terminateRequested());
    // The program never makes a database of its own.
    QCOMPARE(QFile::exists(world.folder.file("Zumerak.MDB")), present);
}

void TestDatabase::fileBuildLockedByAnotherProgram()
{
    TestWorld world;
    QVERIFY(world.deliverDatabase(Engine::SQLite));
    CloseDatabase();
    {
        QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
        locker.setDatabaseName(world.folder.file("Zumerak.MDB"));
        QVERIFY(locker.open());
        QSqlQuery lock(locker);
        QVERIFY(lock.exec("PRAGMA locking_mode=EXCLUSIVE"));
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));
        ScriptedPort &port = world.port;
        TData1 data;
        QCOMPARE(port.captions(), QStringList{"E0001"});
        QVERIFY(!Db().isOpen());
        lock.exec("ROLLBACK");
        locker.close();
    }
    QSqlDatabase::removeDatabase("locker");
}

void TestDatabase::serverBuildAsksBeforeConnecting()
{
    // TIP set but TUIP empty: the three prompts come before any connection attempt.
    TestWorld world({.systemIni = "[SYSTEM]\nTIP=127.0.0.1:1\n"});
    BuildFlag = BuildKind::Server;
    LoadSettings();
    ScriptedPort &port = world.port;
    port.cancelInput();      // server: kept
    port.input("desk");      // user
    port.input("secret");    // password
    port.answer(BoxAnswer::No);  // QUERY?: no need to enter again
    port.answer(BoxAnswer::No);  // QUERY2?: give up
    TData1 data;
    QCOMPARE(port.prompts(), (QStringList{"服务器IP", "SQL用户名", "SQL密码"}));
    QCOMPARE(port.captions(), (QStringList{"QUERY?", "E0001", "QUERY2?"}));
    QCOMPARE(port.boxes()[0].text, QString("是否需要重新输入?"));
    QCOMPARE(port.boxes()[2].text, QString("连接数据库失败，是否需要重新输入?"));
    QVERIFY(data.terminateRequested());
    LoadServerLogin();
    QCOMPARE(settings.TIP, QString("127.0.0.1:1"));
    QCOMPARE(settings.TUIP, QString("desk"));
    QCOMPARE(settings.TUPW, QString("secret"));
}

void TestDatabase::serverBuildShowsTheLoginThatFailed()
{
    TestWorld world({.systemIni = "[SYSTEM]\nTIP=127.0.0.1:1\nTUIP=desk\nTUPW=wrong\n"});
    BuildFlag = BuildKind::Server;
    LoadSettings();
    ScriptedPort &port = world.port;
    port.answer(BoxAnswer::Ok);   // E0001
    port.answer(BoxAnswer::Yes);  // QUERY2?: enter again
    port.input("127.0.0.1:2");
    port.input("desk");
    port.input("typed");
    port.answer(BoxAnswer::No);   // QUERY?
    port.answer(BoxAnswer::Ok);   // E0001
    port.answer(BoxAnswer::No);   // QUERY2?: give up
    TData1 data;
    QCOMPARE(port.captions(), (QStringList{"E0001", "QUERY2?", "QUERY?", "E0001", "QUERY2?"}));
    // The login tried, then after a blank line the server's own message.
    QCOMPARE(port.boxes()[0].text.section("\n\n", 0, 0), QString("数据库连接失败\n127.0.0.1:1\ndesk\nwrong"));
    QCOMPARE(port.boxes()[3].text.section("\n\n", 0, 0), QString("数据库连接失败\n127.0.0.1:2\ndesk\ntyped"));
    QVERIFY(!port.boxes()[0].text.section("\n\n", 1).isEmpty());
    QVERIFY(data.terminateRequested());
}

void TestDatabase::migrationAddsMissingColumns_data()
{
    AddEngineColumn();
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("notices");
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const char *name = engine == Engine::SQLite ? "sqlite" : "postgresql";
        QTest::addRow("%s, all four missing", name)
            << engine << QStringList{"ReservCkIn", "FirstCkOut", "HourRateStartUp", "HourRatePrice"}
            << QStringList{"N9086", "N9087", "N9088", "N9089"};
        QTest::addRow("%s, currency columns missing", name)
            << engine << QStringList{"HourRateStartUp", "HourRatePrice"} << QStringList{"N9088", "N9089"};
        QTest::addRow("%s, none missing", name) << engine << QStringList{} << QStringList{};
    }
}

void TestDatabase::migrationAddsMissingColumns()
{
    QFETCH(Engine, engine);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, notices);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    QString error;
    QSqlDatabase db = Db();
    for (const QString &column : dropped)
        QVERIFY(QSqlQuery(db).exec("ALTER TABLE RoomInfo DROP COLUMN " + column));

    ScriptedPort &port = world.port;
    QVERIFY2(MigrateRoomInfo(db, &error), qPrintable(error));
    QCOMPARE(port.captions(), notices);
    for (const ScriptedPort::Box &box : port.boxes()) {
        QCOMPARE(box.icon, BoxIcon::Information);
        QVERIFY(box.text.startsWith("Add field ") && box.text.endsWith(" Success"));
    }
    port.clear();
    QVERIFY2(MigrateRoomInfo(db, &error), qPrintable(error));
    QVERIFY(port.boxes().isEmpty());
}

void TestDatabase::serverRefusesADeskZoneItDoesNotKnow()
{
    if (SkipWithoutServer(Engine::PostgreSQL))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(Engine::PostgreSQL));
    CloseDatabase();
    TestServer server;
    QVERIFY(TestServerAvailable(&server));
    DeskZone zone("Mars/Olympus_Mons");
    QString error;
    QVERIFY(!OpenServerDatabase(server.host, server.user, QString(), TestCatalogue(), &error));
    QVERIFY2(error.contains("TimeZone"), qPrintable(error));
    QVERIFY(!Db().isOpen());
}

void TestDatabase::dateTimesKeepTheDesksZoneOnTheServer()
{
    if (SkipWithoutServer(Engine::PostgreSQL))
        return;
    TestWorld world;
    for (const QByteArray &deskZone : {QByteArray("Asia/Kathmandu"), QByteArray("Pacific/Chatham")}) {
        DeskZone zone(deskZone);
        QVERIFY(world.deliverDatabase(Engine::PostgreSQL));
        if (SqlScalar("SELECT reset_val FROM pg_settings WHERE name = 'TimeZone'").toString() == deskZone)
            continue;
        ScriptedPort &port = world.port;
        const QDateTime arrival(QDate(2025, 3, 1), QTime(14, 30));
        curGuest = TGuestInfo();
        curGuest.BldRoomNo = "1-101";
        curGuest.Name = "Anna";
        curGuest.ComeTime = arrival;
        curGuest.GoTime = arrival.addDays(2);
        curGuest.CardID = "6A000042";
        curGuest.Flag = "WalkIn";
        QVERIFY(InsertGuestInfo());
        QVERIFY(LoadGuestByCardID("6A000042"));
        QCOMPARE(aryGuest[0].ComeTime, arrival);
        // Reports and other desks reading the row see the desk's own time.
        QCOMPARE(SqlScalar("SELECT to_char(ComeTime, 'YYYY-MM-DD HH24:MI') FROM GuestInfo").toString(),
                 QString("2025-03-01 14:30"));
        QVERIFY(port.boxes().isEmpty());
        return;
    }
    QFAIL("the server's own zone is each of the desk zones tried");
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
