#include "cards/carddecode.h"
#include "cards/cardwrite.h"
#include "cards/dailybackup.h"
#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

// Issuing every kind of card on the simulated encoder, and every way an issue fails.
class TestCardWrite : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void failures_data();
    void failures();
    void checkBlank_data();
    void checkBlank();
    void backupOncePerDay();
    void backupFolderCannotBeCreated();
    void failedBackupIsTriedAgainAfterAnHour();
    void backupKeepsTheDaysCopyUntilANewOneIsComplete();
    void cardAfterAFailedWrite_data();
    void cardAfterAFailedWrite();
    void expiryCap_data();
    void expiryCap();

private:
    bool open(Engine engine, const QString &mode = QStringLiteral("kestul"));
    void prepare(int kind);
    int registered() const { return SqlScalar(QStringLiteral("SELECT COUNT(*) FROM CardInfo")).toInt(); }
    QString cardOnEncoder() { return m_world->encoder->sim(QStringLiteral("show")); }
    QString backupFile() const { return m_world->folder.file(QStringLiteral("bak/Zumerak261210.MDB")); }

    std::optional<TestWorld> m_world;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));

} // namespace

void TestCardWrite::init()
{
    m_world.emplace(WorldOptions{.encoder = true, .clock = true});
    m_world->clock->set(kNow);
    settings.DBBakPath = m_world->folder.file(QStringLiteral("bak"));
    settings.GuestLLock = 1;
    settings.BaoJing = 0x5A;
    settings.TiShi = 0x3C;
    GuestCoID = settings.dlsCoID;
}

void TestCardWrite::cleanup()
{
    m_world.reset();
}

bool TestCardWrite::open(Engine engine, const QString &mode)
{
    if (!m_world->deliverDatabase(engine))
        return false;
    m_world->encoder->sim(QStringLiteral("mode ") + mode);
    m_world->encoder->sim(QStringLiteral("blank"));
    OpenEncoder();
    Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    TRoomInfo room = SampleRoom(1, 2, 3, QStringLiteral("101"));
    room.Dai = 9;
    aryRoom = {room};
    lenAryRoom = 1;
    curRoom = room;
    return CheckEncoder();
}

void TestCardWrite::prepare(int kind)
{
    curCard = TCardInfo();
    curCard.iType = kind;
    curCard.Dai = 5;
    curCard.Holder = QStringLiteral("Front desk");
    curCard.GroupNo = 7;
    curCard.GroupOp = 2;
    curCard.BldNo = 1;
    curCard.FlrNo = 2;
    curCard.AccessBolt = 1;
    curCard.BlackCardID = QStringLiteral("6A1B2C3D");
    curCard.StartTime = QDateTime(kNow.date(), QTime(7, 50));
    curCard.EndTime = QDateTime(kNow.date().addDays(2), QTime(12, 0));
}

void TestCardWrite::roundTrip_data()
{
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<int>("kind");
    // GuestLLock is set the other way, so that a guest card written with the
    // staff card's flag, or the other way round, shows.
    QTest::addColumn<int>("accessBolt");
    for (const auto &[engine, name] : {std::pair{Engine::SQLite, "SQLite"}, std::pair{Engine::PostgreSQL, "PostgreSQL"}}) {
        for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13})
            QTest::addRow("%s kind %d", name, kind) << engine << kind << 1;
        for (int kind : {6, 11})
            QTest::addRow("%s kind %d, deadbolt for guests only", name, kind) << engine << kind << 0;
    }
}

void TestCardWrite::roundTrip()
{
    QFETCH(Engine, engine);
    QFETCH(int, kind);
    QFETCH(int, accessBolt);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(open(engine));
    prepare(kind);
    curCard.AccessBolt = accessBolt;
    settings.GuestLLock = 1 - accessBolt;
    const TCardInfo prepared = curCard;
    QVERIFY(WriteCardOnEncoder());
    QCOMPARE(m_world->port.captions(), QStringList());
    QCOMPARE(m_world->clock->waits(), (QList<int>{200, 800, 200}));
    const QString cardId = curCard.CardID;
    QCOMPARE(cardId, QString::asprintf("%X%X", kind, CardCounter) + cardId.mid(2));

    curCard = TCardInfo();
    QVERIFY(DecodeCard());
    QCOMPARE(m_world->port.captions(), QStringList());
    QCOMPARE(curCard.CardID, cardId);
    QCOMPARE(curCard.iType, kind);
    QCOMPARE(curCard.Dai, kind == 6 ? 9 : 5);
    QCOMPARE(curCard.IssueTime, kNow);
    QVERIFY(curCard.ID > 0);
    QCOMPARE(curCard.Holder, prepared.Holder);
    const bool staff = kind == 8 || kind >= 10;
    if (staff || kind == 6)
        QCOMPARE(curCard.EndTime, prepared.EndTime);
    if (staff) {
        QCOMPARE(curCard.StartTime, prepared.StartTime);
        QCOMPARE(curCard.AccessBolt, accessBolt);
    }
    if (kind == 2 || kind == 6)
        QCOMPARE(curCard.RoomName, QStringLiteral("1-101"));
    if (kind == 6)
        QCOMPARE(curCard.AccessBolt, settings.GuestLLock);
    if (kind == 5 || kind == 8)
        QCOMPARE(curCard.GroupNo, 7);
    if (kind == 5)
        QCOMPARE(curCard.GroupOp, 2);
    if (kind == 12 || kind == 13)
        QCOMPARE(curCard.BldNo, 1);
    if (kind == 13)
        QCOMPARE(curCard.FlrNo, 2);
    if (kind == 0)
        QCOMPARE(CardOptionBytes(), QStringLiteral("5A3C"));
    if (kind == 4)
        QCOMPARE(BufCardText().mid(14, 8), prepared.BlackCardID);
    // The constant each writer is given: records to collect, the clock card's
    // and every day of the week for staff cards.
    const QMap<int, QString> constants{{1, "2"}, {3, "0"}, {8, "127"}, {10, "127"}, {11, "127"}, {12, "127"}, {13, "127"}};
    const QString shown = cardOnEncoder();
    if (constants.contains(kind))
        QVERIFY2(shown.contains(QStringLiteral("\nconstant=") + constants[kind] + u'\n'), qPrintable(shown));
    else
        QVERIFY(!shown.contains(QStringLiteral("constant=")));
}

void TestCardWrite::failures_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("dropRegister");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("counter");
    QTest::addColumn<bool>("blankAfter");
    QTest::newRow("no card") << "take" << 11 << false << QStringList{"N9040"} << 15 << true;
    QTest::newRow("unreadable card") << "fail read 7" << 11 << false << QStringList{"E0031"} << 15 << true;
    QTest::newRow("no such kind") << "plug" << 9 << false << QStringList{"E0041"} << 0 << true;
    QTest::newRow("library refuses") << "fail write 9" << 11 << false << QStringList{"E0034"} << 0 << true;
    QTest::newRow("read-back differs") << "fail readback" << 11 << false << QStringList{"E0035"} << 0 << true;
    QTest::newRow("read-back fails") << "fail readback 7" << 11 << false << QStringList{"E0031"} << 0 << true;
    QTest::newRow("wrong kind on the card") << "fail kind" << 11 << false << QStringList{"E0038"} << 0 << true;
    QTest::newRow("library fails after writing") << "fail written 9" << 11 << false << QStringList{"E0034"} << 0
                                                 << true;
    QTest::newRow("register insert fails") << "plug" << 11 << true << QStringList{"E0044"} << 0 << true;
}

void TestCardWrite::failures()
{
    QFETCH(QString, device);
    QFETCH(int, kind);
    QFETCH(bool, dropRegister);
    QFETCH(QStringList, captions);
    QFETCH(int, counter);
    QFETCH(bool, blankAfter);
    QVERIFY(open(Engine::SQLite));
    m_world->encoder->sim(device);
    if (dropRegister)
        QVERIFY(SqlExec(QStringLiteral("DROP TABLE CardInfo")));
    prepare(kind);
    CardCounter = 15;
    QVERIFY(!WriteCardOnEncoder());
    QCOMPARE(m_world->port.captions(), captions);
    QCOMPARE(CardCounter, counter);
    m_world->encoder->sim(QStringLiteral("put 5A000001"));
    QCOMPARE(cardOnEncoder().contains(QStringLiteral("\nblank\n")), blankAfter);
    if (!dropRegister)
        QCOMPARE(registered(), 0);
    if (device == QLatin1String("fail readback"))
        QVERIFY(m_world->port.boxes()[0].text.contains(QStringLiteral("\n\nW: ") + BufWriteText() + QStringLiteral("\nR: ")));
}

void TestCardWrite::checkBlank_data()
{
    QTest::addColumn<int>("checkBlank");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<BoxAnswer>("answer");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("written");
    QTest::newRow("asks, cancelled") << 1 << false << BoxAnswer::Cancel << QStringList{"N9078"} << false;
    QTest::newRow("asks, confirmed") << 1 << false << BoxAnswer::Ok << QStringList{"N9078"} << true;
    QTest::newRow("blank card never asks") << 1 << true << BoxAnswer::Cancel << QStringList() << true;
    QTest::newRow("check off") << 0 << false << BoxAnswer::Cancel << QStringList() << true;
}

void TestCardWrite::checkBlank()
{
    QFETCH(int, checkBlank);
    QFETCH(bool, blank);
    QFETCH(BoxAnswer, answer);
    QFETCH(QStringList, captions);
    QFETCH(bool, written);
    QVERIFY(open(Engine::SQLite));
    if (!blank) {
        prepare(7);
        QVERIFY(WriteCardOnEncoder());
    }
    settings.CheckBlank = checkBlank;
    m_world->port.answer(answer);
    prepare(11);
    QCOMPARE(WriteCardOnEncoder(), written);
    QCOMPARE(m_world->port.captions(), captions);
    QCOMPARE(registered(), (blank ? 0 : 1) + (written ? 1 : 0));
}

void TestCardWrite::backupOncePerDay()
{
    QVERIFY(open(Engine::SQLite));
    prepare(11);
    m_world->encoder->sim(QStringLiteral("fail write 9"));
    QVERIFY(!WriteCardOnEncoder());
    QVERIFY(QFile::exists(backupFile()));
    QVERIFY(QFile::remove(backupFile()));

    // A restart the same day: the date of the last backup is kept.
    ResetState();
    EncoderMode = 1;
    Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    QVERIFY(WriteCardOnEncoder());
    QVERIFY(!QFile::exists(backupFile()));

    m_world->clock->set(kNow.addDays(1));
    m_world->encoder->sim(QStringLiteral("blank"));
    QVERIFY(WriteCardOnEncoder());
    QVERIFY(QFile::exists(m_world->folder.file(QStringLiteral("bak/Zumerak261211.MDB"))));
}

void TestCardWrite::backupFolderCannotBeCreated()
{
    QVERIFY(open(Engine::SQLite));
    m_world->folder.write(QStringLiteral("file"), "not a folder");
    settings.DBBakPath = m_world->folder.file(QStringLiteral("file/bak"));
    prepare(11);
    CardCounter = 4;
    QVERIFY(!WriteCardOnEncoder());
    QCOMPARE(m_world->port.captions(), QStringList{"E0060"});
    QCOMPARE(m_world->port.boxes()[0].text, "System Error---E0060\n\nCannot Create " + settings.DBBakPath);
    QCOMPARE(CardCounter, 4);
    QVERIFY(cardOnEncoder().contains(QStringLiteral("\nblank\n")));
    QVERIFY(WriteCardOnEncoder());
    QCOMPARE(m_world->port.captions(), QStringList{"E0060"});
}

void TestCardWrite::failedBackupIsTriedAgainAfterAnHour()
{
    QVERIFY(open(Engine::SQLite));
    // Something in the way of the day's copy: the copy cannot take its name.
    QVERIFY(QDir().mkpath(backupFile() + QStringLiteral("/in the way")));
    const auto issue = [this](const QDateTime &now) {
        m_world->clock->set(now);
        m_world->encoder->sim(QStringLiteral("blank"));
        prepare(11);
        return WriteCardOnEncoder();
    };
    QVERIFY(issue(kNow));
    QCOMPARE(m_world->port.captions(), QStringList{"N9090"});
    QCOMPARE(m_world->port.boxes()[0].icon, BoxIcon::Warning);
    QVERIFY(m_world->port.boxes()[0].text.startsWith("Database Backup Failure\n" + backupFile() + u'\n'));
    QCOMPARE(registered(), 1);
    QCOMPARE(QDir(m_world->folder.file(QStringLiteral("bak"))).entryList(QDir::Files), QStringList());

    QVERIFY(issue(kNow.addSecs(59 * 60)));
    QCOMPARE(m_world->port.captions(), QStringList{"N9090"});

    QVERIFY(QDir(backupFile()).removeRecursively());
    QVERIFY(issue(kNow.addSecs(60 * 60)));
    QCOMPARE(m_world->port.captions(), QStringList{"N9090"});
    QVERIFY(QFileInfo(backupFile()).isFile());

    // The day has its copy now.
    QVERIFY(QFile::remove(backupFile()));
    QVERIFY(issue(kNow.addSecs(3 * 60 * 60)));
    QVERIFY(!QFile::exists(backupFile()));
}

void TestCardWrite::backupKeepsTheDaysCopyUntilANewOneIsComplete()
{
    QVERIFY(open(Engine::SQLite));
    m_world->folder.write(QStringLiteral("bak/Zumerak261210.MDB"), "copy of this morning");
    m_world->folder.write(QStringLiteral("bak/Zumerak261210.MDB.part"), "copy cut short by a crash");
    // A backup drive that fills up after a few pages.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    constexpr qint64 kFull = 16384;
    const rlimit full{kFull, limit.rlim_max};
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    const auto failure = MakeDailyBackup();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    QVERIFY(!failure);
    QCOMPARE(m_world->port.captions(), QStringList{"N9090"});
    QFile kept(backupFile());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("copy of this morning"));
    kept.close();

    m_world->clock->set(kNow.addSecs(60 * 60));
    QVERIFY(!MakeDailyBackup());
    QCOMPARE(m_world->port.captions(), QStringList{"N9090"});
    QVERIFY(!QFile::exists(backupFile() + QStringLiteral(".part")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().startsWith(QByteArray("SQLite format 3", 16)));
    QVERIFY(kept.size() > kFull);
}

void TestCardWrite::cardAfterAFailedWrite_data()
{
    QTest::addColumn<bool>("blank");
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("after"); // "before": as before the write; "blank"; "written"
    QTest::newRow("refused on a blank card") << true << QStringList{"fail write 9"} << QStringList{"E0034"}
                                             << "before";
    QTest::newRow("refused on an issued card") << false << QStringList{"fail write 9"} << QStringList{"E0034"}
                                               << "before";
    QTest::newRow("failed after writing an issued card")
        << false << QStringList{"fail written 9"} << QStringList{"E0034"} << "blank";
    QTest::newRow("failed after writing, erase refused")
        << true << QStringList{"fail written 9", "fail erase 5"} << QStringList{"E0034", "E0046"} << "written";
    QTest::newRow("read-back differs, erase refused")
        << true << QStringList{"fail readback", "fail erase 5"} << QStringList{"E0035", "E0046"} << "written";
}

void TestCardWrite::cardAfterAFailedWrite()
{
    QFETCH(bool, blank);
    QFETCH(QStringList, device);
    QFETCH(QStringList, captions);
    QFETCH(QString, after);
    QVERIFY(open(Engine::SQLite));
    if (!blank) {
        prepare(7);
        QVERIFY(WriteCardOnEncoder());
    }
    const QString before = cardOnEncoder();
    for (const QString &command : device)
        m_world->encoder->sim(command);
    prepare(11);
    QVERIFY(!WriteCardOnEncoder());
    QCOMPARE(m_world->port.captions(), captions);
    QCOMPARE(registered(), blank ? 0 : 1);
    const QString now = cardOnEncoder();
    if (after == QLatin1String("before"))
        QCOMPARE(now, before);
    else if (after == QLatin1String("blank"))
        QVERIFY(now.contains(QStringLiteral("\nblank\n")));
    else
        QVERIFY2(now.contains(QStringLiteral("\nkind=11\n")), qPrintable(now));
    if (captions.contains(QStringLiteral("E0046")))
        QVERIFY(m_world->port.boxes().last().text.endsWith(QStringLiteral("\n5")));
}

void TestCardWrite::expiryCap_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("written");
    const QDateTime end(QDate(2031, 6, 1), QTime(12, 0));
    QTest::newRow("1 January 2030") << QDateTime(QDate(2030, 1, 1), QTime(9, 0))
                                    << QDateTime(QDate(2029, 12, 31), QTime(23, 59));
    QTest::newRow("2 March 2030") << QDateTime(QDate(2030, 3, 2), QTime(9, 0)) << end;
}

void TestCardWrite::expiryCap()
{
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, written);
    QVERIFY(open(Engine::SQLite));
    m_world->clock->set(now);
    prepare(11);
    curCard.EndTime = QDateTime(QDate(2031, 6, 1), QTime(12, 0));
    // The simulated cards hold no time after 2029, so the write itself is refused.
    QVERIFY(!WriteCardOnEncoder());
    QCOMPARE(curCard.EndTime, written);
}

QTEST_GUILESS_MAIN(TestCardWrite)
#include "tst_cardwrite.moc"
