#include "core/settings.h"
#include "store/database.h"
#include "support/operatorrows.h"
#include "support/testworld.h"

#include <QProcess>
#include <QTest>

class TestAdmin : public QObject {
    Q_OBJECT
private slots:
    void initMakesTheDeliveredDatabase();
    void initRefusesAnExistingDatabase();
    void cardDecodePrintsTheFieldsAndTheBoxes();
    void settingsPrintsEveryValueInOrder();
    void resetPasswordEmptiesAnOperatorsPassword();
    void roomsPrintsTheRegistryAndItsBoxes();
    void initServerMakesTheCatalogueTheServerBuildOpens();
    void failedLoadOfTheRoomsFailsTheCommand_data();
    void failedLoadOfTheRoomsFailsTheCommand();
    void commandLineIsCheckedAndExplained_data();
    void commandLineIsCheckedAndExplained();
    void checkinIssuesAWalkInCard();
    void checkinRefuses_data();
    void checkinRefuses();
    void checkinGuestsAndCardReadOnTheServer();
    void reportExportAndUpload();
};

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run admin(const QStringList &arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("ZUMERAK_ADMIN"), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

void TestAdmin::initMakesTheDeliveredDatabase()
{
    TestWorld world;
    const Run run = admin({"init", "--sample"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QString error;
    QVERIFY2(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error), qPrintable(error));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM Dai").toInt(), 12);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM OperatorInfo WHERE GongHao LIKE 'proQuanXian_%'").toInt(), 4);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM BuildingInfo").toInt(), 2);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo WHERE Status = 'Vacant'").toInt(), 34);
    CloseDatabase();
}

void TestAdmin::initRefusesAnExistingDatabase()
{
    TestWorld world;
    QCOMPARE(admin({"init"}).exitCode, 0);
    const Run again = admin({"init", "--sample"});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains("--force"));
    QString error;
    QVERIFY(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo").toString(), QString("0"));
    CloseDatabase();

    QCOMPARE(admin({"init", "--sample", "--force"}).exitCode, 0);
    QVERIFY(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 34);
    CloseDatabase();
    QCOMPARE(admin({"init", "--bogus"}).exitCode, 2);
}

void TestAdmin::settingsPrintsEveryValueInOrder()
{
    TestWorld world({.systemIni = "[SYSTEM]\nGuestLLock=257\nTIP=db.example\n"});
    const Run run = admin({"settings"});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.trimmed().split('\n');
    QStringList keys;
    for (const QString &line : lines)
        keys.append(line.section('=', 0, 0));
    QCOMPARE(keys, (QStringList{"READONLY.CheckBlank", "READONLY.ClrPrice", "SYSTEM.DBBakPath", "SYSTEM.CompanyName",
                                "SYSTEM.CompanyPhone", "SYSTEM.CompanyWeb", "SYSTEM.CompanyMisc", "SYSTEM.HotelName",
                                "SYSTEM.dlsCoID", "SYSTEM.FlagCheckOut", "SYSTEM.CheckOutTime",
                                "SYSTEM.VIPCheckOutTime", "SYSTEM.GuestLLock", "SYSTEM.BaoJing", "SYSTEM.TiShi",
                                "SYSTEM.Skin", "FONT.Name", "FONT.Size", "FONT.Height", "FONT.CharSet", "SYSTEM.TIP",
                                "SYSTEM.TUIP", "SYSTEM.TUPW", "SYSTEM.EncoderLibrary"}));
    QVERIFY(lines.contains("SYSTEM.GuestLLock=1"));
    QVERIFY(lines.contains("SYSTEM.TIP=db.example"));
}

void TestAdmin::roomsPrintsTheRegistryAndItsBoxes()
{
    TestWorld world;
    QCOMPARE(admin({"init", "--sample"}).exitCode, 0);
    QString error;
    QVERIFY(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error));
    // An older database: no unique key on building and room number, a second
    // "101" in building 1 inserted before the rest.
    QVERIFY(SqlExec("DROP INDEX RoomInfo_BldNo_RoomNo"));
    QVERIFY(SqlExec("UPDATE RoomInfo SET CardCount = 2, Dai = 9 WHERE BldNo = 2 AND FlrNo = 2 AND RomID = 5"));
    QVERIFY(SqlExec("INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RoomNo, Status) VALUES (1, 0, 7, '101', 'Guest')"));
    CloseDatabase();

    const Run run = admin({"rooms"});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 35);
    QCOMPARE(lines.first(), QString("1-101\t001000007\tGuest\t0\t0"));
    QCOMPARE(lines[1], QString("1-101\t001001001\tVacant\t0\t0"));
    QCOMPARE(lines.last(), QString("2-205\t002002005\tVacant\t2\t9"));
    QCOMPARE(run.err, QString("E0023: The Building No. or Room No. are duplicated, Please check them.\n1-101\n001000007\n001001001\n"));

    QFile::remove(world.folder.file("Zumerak.MDB"));
    const Run none = admin({"rooms"});
    QCOMPARE(none.exitCode, 1);
    QVERIFY(none.err.startsWith("E0001: "));
    QCOMPARE(admin({"rooms", "--bogus"}).exitCode, 2);
}

void TestAdmin::resetPasswordEmptiesAnOperatorsPassword()
{
    TestWorld world;
    QCOMPARE(admin({"init"}).exitCode, 0);
    QString error;
    QVERIFY(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error));
    QVERIFY(AddOperatorRow("ann", "A", "forgotten"));
    CloseDatabase();

    const Run reset = admin({"reset-password", "ANN"});
    QVERIFY2(reset.exitCode == 0, qPrintable(reset.err));
    QCOMPARE(admin({"reset-password", "nobody"}).exitCode, 1);
    QCOMPARE(admin({"reset-password", "proQuanXian_S"}).exitCode, 1);
    QCOMPARE(admin({"reset-password"}).exitCode, 2);

    QVERIFY(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error));
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM OperatorInfo WHERE GongHao = 'ann' AND MiMa = ''").toInt(), 1);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM OperatorInfo WHERE GongHao = 'proQuanXian_S' AND MiMa IS NOT NULL")
                 .toString(),
             QString("0"));
    CloseDatabase();
}

void TestAdmin::initServerMakesTheCatalogueTheServerBuildOpens()
{
    if (SkipWithoutServer(Engine::PostgreSQL))
        return;
    TestServer server;
    TestServerAvailable(&server);
    TestWorld world({.systemIni = QString("[SYSTEM]\nTIP=%1\nTUIP=%2\n").arg(server.host, server.user).toUtf8()});
    const Run first = admin({"init", "--server", "--sample", "--force"});
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const Run again = admin({"init", "--server"});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains("--force"));

    BuildFlag = BuildKind::Server;
    LoadSettings();
    ScriptedPort &port = world.port;
    {
        TData1 data;
        QVERIFY(port.boxes().isEmpty());
        QVERIFY(port.prompts().isEmpty());
        QVERIFY(!data.terminateRequested());
        QCOMPARE(SqlScalar("SELECT COUNT(*) FROM RoomInfo").toInt(), 34);
        QCOMPARE(SqlScalar("SELECT COUNT(*) FROM Dai").toInt(), 12);
    }
    QVERIFY(!Db().isOpen());
}

void TestAdmin::cardDecodePrintsTheFieldsAndTheBoxes()
{
    TestWorld world;
    QCOMPARE(admin({"init", "--sample"}).exitCode, 0);
    // A guest card of room 1-101 from another hotel: decoded after the warning.
    const Run guest = admin({"card", "decode", "55150100120000800101012A61A37B1EA38B005A000001"});
    QCOMPARE(guest.exitCode, 0);
    QCOMPARE(guest.err, "N9067: Not a card for this system\nFF0000 \n 12 \n 0000\n");
    for (const char *line : {"kind=6\n", "CardID=61A37B1E\n", "Dai=42\n", "IssueTime=2024-03-15 12:30\n",
                             "EndTime=2024-03-17 12:00\n", "room=1-101\n", "accessBolt=1\n"})
        QVERIFY2(guest.out.contains(line), line);
    const Run bad = admin({"card", "decode", "551501ZZ"});
    QCOMPARE(bad.exitCode, 1);
    QCOMPARE(bad.err, "E0042: System Error---E0042\n\n7\n551501ZZ\n");
}

void TestAdmin::failedLoadOfTheRoomsFailsTheCommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("rooms") << QStringList{"rooms"};
    QTest::newRow("card decode") << QStringList{"card", "decode", "55150100120000800101012A61A37B1EA38B005A000001"};
}

void TestAdmin::failedLoadOfTheRoomsFailsTheCommand()
{
    QFETCH(QStringList, arguments);
    TestWorld world;
    QCOMPARE(admin({"init", "--sample"}).exitCode, 0);
    QString error;
    QVERIFY(OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error));
    QVERIFY(SqlExec("DROP TABLE RoomInfo"));
    CloseDatabase();

    const Run run = admin(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    QVERIFY2(run.err.startsWith("E0067: System Error---E0067\n"), qPrintable(run.err));
}

void TestAdmin::commandLineIsCheckedAndExplained_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // the start of stdout
    QTest::addColumn<QString>("err"); // a line stderr holds
    QTest::newRow("no command") << QStringList() << 2 << "" << "usage: zumerak-admin COMMAND [options]";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "usage: zumerak-admin COMMAND [options]\n" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "zumerak-admin 7.27\n" << "";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << ""
                                     << "zumerak-admin: unknown command 'frobnicate'";
    QTest::newRow("option before the command") << QStringList{"--server", "rooms"} << 2 << ""
                                               << "zumerak-admin: Unknown option 'server'.";
    for (const char *command : {"init", "settings", "rooms", "reset-password", "card", "report", "upload"}) {
        const QString name = command;
        QTest::newRow(qPrintable(name + " --help")) << QStringList{name, "--help"} << 0
                                                    << "usage: zumerak-admin " + name + " [options]" << "";
        QTest::newRow(qPrintable(name + " --version")) << QStringList{name, "--version"} << 0
                                                       << "zumerak-admin 7.27\n" << "";
        QTest::newRow(qPrintable(name + " --bogus")) << QStringList{name, "--bogus"} << 2 << ""
                                                     << "zumerak-admin " + name + ": Unknown option 'bogus'.";
    }
    QTest::newRow("settings takes no argument") << QStringList{"settings", "extra"} << 2 << ""
                                                << "zumerak-admin settings: takes no arguments";
    QTest::newRow("reset-password without a code") << QStringList{"reset-password", "--server"} << 2 << ""
                                                   << "zumerak-admin reset-password: expects CODE after its options";
    QTest::newRow("card decode without a buffer") << QStringList{"card", "decode"} << 2 << ""
                                                  << "zumerak-admin card: expects read | decode HEX after its options";
    QTest::newRow("card with another word") << QStringList{"card", "write"} << 2 << ""
                                            << "Try 'zumerak-admin card --help'.";
}

void TestAdmin::commandLineIsCheckedAndExplained()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TestWorld world;
    const Run run = admin(arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (out.isEmpty())
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    else
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
    if (err.isEmpty())
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    else
        QVERIFY2(run.err.split('\n').contains(err), qPrintable(run.err));
    // Nothing was done: a wrong or explaining command line leaves the folder empty.
    QVERIFY(!QFile::exists(world.folder.file("Zumerak.MDB")));
}


namespace {

// The fields of the card on the simulated encoder.
QMap<QString, QString> cardOnEncoder(const TestWorld &world)
{
    QMap<QString, QString> fields;
    for (const QString &line : world.encoder->sim("show").split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            fields.insert(line.left(equals), line.mid(equals + 1));
    }
    return fields;
}

QByteArray encoderIni()
{
    return "[SYSTEM]\nEncoderLibrary=" + QFile::encodeName(SimulatedEncoder::library()) + "\n";
}

// A sample database with operator "ann" (role A) and "kid", whose role
// grants nothing.
bool sampleWithOperators(const TestWorld &world)
{
    if (admin({"init", "--sample"}).exitCode != 0)
        return false;
    QString error;
    if (!OpenFileDatabase(world.folder.file("Zumerak.MDB"), &error))
        return false;
    const bool added = AddOperatorRow("ann", "A") && AddOperatorRow("kid", "X");
    CloseDatabase();
    return added;
}

} // namespace

void TestAdmin::checkinIssuesAWalkInCard()
{
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    world.encoder->sim("blank");
    const Run first = admin({"checkin", "1-101", "--operator", "ann", "--name", "Anna", "--out", "2030-01-02 11:00",
                             "--price", "168.50"});
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const QMap<QString, QString> card = cardOnEncoder(world);
    QCOMPARE(first.out, "CardID=" + card["cardId"] + "\n");
    QVERIFY(first.err.startsWith("N9038: "));
    QCOMPARE(card["kind"], QString("6"));
    // Cards end with 2029 at the latest.
    QCOMPARE(card["end"], QString("2029-12-31 23:59"));

    // A further card of the same stay: the room is no longer vacant, which
    // takes an OK.
    world.encoder->sim("blank");
    const Run cancelled = admin({"checkin", "1-101", "--operator", "ann", "--name", "Anna"});
    QCOMPARE(cancelled.exitCode, 1);
    QVERIFY(cancelled.err.startsWith("N9070: "));
    QVERIFY(cardOnEncoder(world).contains("serial"));
    QVERIFY(!cardOnEncoder(world).contains("kind"));
    const Run copy = admin({"checkin", "1-101", "--operator", "ann", "--name", "Anna", "--yes"});
    QVERIFY2(copy.exitCode == 0, qPrintable(copy.err));

    const Run guests = admin({"guests"});
    QCOMPARE(guests.exitCode, 0);
    const QStringList lines = guests.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    const QStringList walkIn = lines[0].split('\t');
    const QStringList again = lines[1].split('\t');
    QCOMPARE(walkIn.mid(0, 4), (QStringList{"1-101", "Anna", "WalkIn", first.out.mid(7, 8)}));
    QCOMPARE(walkIn[5], QString("2030-01-02 11:00"));
    QCOMPARE(again.mid(0, 3), (QStringList{"1-101", "Anna", "Copy"}));
    QCOMPARE(again.mid(4), walkIn.mid(4));
    QCOMPARE(admin({"rooms"}).out.split('\n').first().split('\t').mid(2, 2), (QStringList{"Guest", "2"}));
}

void TestAdmin::checkinRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::newRow("a role") << QStringList{"checkin", "1-101", "--operator", "proQuanXian_A"} << 1
                            << "zumerak-admin: proQuanXian_A is not an operator\n";
    QTest::newRow("an unknown operator") << QStringList{"checkin", "1-101", "--operator", "nobody"} << 1
                                         << "zumerak-admin: nobody is not an operator\n";
    QTest::newRow("no walk-in right") << QStringList{"checkin", "1-101", "--operator", "kid"} << 1
                                      << "zumerak-admin: the role of kid has no right to check guests in\n";
    QTest::newRow("an unknown room") << QStringList{"checkin", "9-999", "--operator", "ann"} << 1
                                     << "E0021: ";
    QTest::newRow("check-out in the past") << QStringList{"checkin", "1-101", "--operator", "ann", "--out",
                                                          "2020-01-01 12:00"}
                                           << 1 << "N9037: ";
    QTest::newRow("no operator") << QStringList{"checkin", "1-101"} << 2
                                 << "zumerak-admin checkin: --operator CODE is required\n";
    QTest::newRow("a bad check-out") << QStringList{"checkin", "1-101", "--operator", "ann", "--out", "tomorrow"} << 2
                                     << "zumerak-admin checkin: --out expects \"yyyy-MM-dd HH:mm\"\n";
    QTest::newRow("a bad price") << QStringList{"checkin", "1-101", "--operator", "ann", "--price", "12a"} << 2
                                 << "zumerak-admin checkin: --price expects an amount with at most four decimals\n";
    QTest::newRow("cover and no cover") << QStringList{"checkin", "1-101", "--operator", "ann", "--cover", "--no-cover"}
                                        << 2 << "zumerak-admin checkin: --cover and --no-cover exclude each other\n";
    QTest::newRow("no room") << QStringList{"checkin", "--operator", "ann"} << 2
                             << "zumerak-admin checkin: expects ROOM after its options\n";
}

void TestAdmin::checkinRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    world.encoder->sim("blank");
    const Run run = admin(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QVERIFY(!cardOnEncoder(world).contains("kind"));
    QCOMPARE(admin({"guests"}).out, QString());
}

void TestAdmin::checkinGuestsAndCardReadOnTheServer()
{
    if (SkipWithoutServer(Engine::PostgreSQL))
        return;
    TestServer server;
    TestServerAvailable(&server);
    TestWorld world({.systemIni = encoderIni() + QString("TIP=%1\nTUIP=%2\n").arg(server.host, server.user).toUtf8(),
                     .encoder = true});
    QCOMPARE(admin({"init", "--server", "--sample", "--force"}).exitCode, 0);
    BuildFlag = BuildKind::Server;
    LoadSettings();
    {
        TData1 data;
        QVERIFY(AddOperatorRow("ann", "A"));
    }
    world.encoder->sim("blank");
    const Run issued = admin({"checkin", "2-205", "--operator", "ann", "--name", "Bert", "--server"});
    QVERIFY2(issued.exitCode == 0, qPrintable(issued.err));
    const QString cardId = issued.out.mid(7, 8);
    QVERIFY(admin({"guests", "--server"}).out.startsWith("2-205\tBert\tWalkIn\t" + cardId + '\t'));
    QCOMPARE(admin({"guests"}).exitCode, 1);
    const Run read = admin({"card", "read", "--server"});
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));
    QVERIFY(read.out.contains("CardID=" + cardId + '\n'));
    QVERIFY(read.out.contains("Holder=Bert\n"));
    QVERIFY(!read.out.contains("register=0\n"));
}


void TestAdmin::reportExportAndUpload()
{
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    for (const char *workbook : {"ReportCards.xlsx", "ReportGuests.xlsx", "ReportOpen.xlsx"})
        QVERIFY(QFile::exists(world.folder.file(QStringLiteral("Reports/") + workbook)));
    world.encoder->sim("blank");
    const Run checkin = admin({"checkin", "1-101", "--operator", "ann", "--name", "Anna"});
    QVERIFY2(checkin.exitCode == 0, qPrintable(checkin.err));
    const QString cardId = checkin.out.mid(7, 8);

    const Run cards = admin({"report", "cards"});
    QVERIFY2(cards.exitCode == 0, qPrintable(cards.err));
    const QStringList lines = cards.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].split('\t').mid(0, 3), (QStringList{"", "Type", "Room No."}));
    const QStringList card = lines[1].split('\t');
    QCOMPARE(card.size(), 12);
    QCOMPARE(card.mid(0, 3), (QStringList{"", "Guest Card", "1-101"}));
    QCOMPARE(card[10], cardId);
    QCOMPARE(admin({"report", "cards", "--room", "1-2"}).out.count('\n'), 1);
    QCOMPARE(admin({"report", "cards", "--checkin-from", "2030-01-01 00:00", "--type", "Guest Card"}).out.count('\n'), 1);
    QCOMPARE(admin({"report", "guests", "--name", "Ann"}).out.count('\n'), 2);

    const Run refused = admin({"report", "opens", "--room", "1-101"});
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(admin({"report", "guests", "--operator", "ann"}).exitCode, 2);
    QCOMPARE(admin({"report", "cards", "--name", "Anna"}).exitCode, 2);
    QCOMPARE(admin({"report", "rooms"}).exitCode, 2);
    QCOMPARE(admin({"report", "cards", "--checkin-to", "tomorrow"}).exitCode, 2);

    const Run exported = admin({"report", "cards", "--export"});
    QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
    QVERIFY(exported.err.startsWith("N9059: "));
    QVERIFY(exported.err.contains("Excel Row:  1 --> 3"));

    QFile records(world.folder.file("records.txt"));
    QVERIFY(records.open(QIODevice::WriteOnly));
    for (int line = 0; line < 9; ++line)
        records.write("A1B2C3" + QByteArray(64, '0') + "D4E5");
    records.close();
    world.encoder->sim("records " + records.fileName());
    world.encoder->sim("model collector");
    const Run asked = admin({"upload"});
    QCOMPARE(asked.exitCode, 1);
    QVERIFY(asked.err.contains("N9060: "));
    const Run uploaded = admin({"upload", "--yes"});
    QVERIFY2(uploaded.exitCode == 0, qPrintable(uploaded.err));
    const QStringList opens = admin({"report", "opens"}).out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(opens.size(), 37);
    QCOMPARE(opens[1].split('\t').mid(0, 2), (QStringList{"", "00000000"}));
    QCOMPARE(opens.last().split('\t')[4], QString("SYSTEM DATA  32"));
}

QTEST_GUILESS_MAIN(TestAdmin)
#include "tst_admin.moc"
