#include "core/settings.h"
#include "store/database.h"
#include "support/operatorrows.h"
#include "support/testworld.h"

#include <QDir>
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
    void checkoutWithoutCard();
    void checkoutWithCardAndCardErase();
    void checkoutRefuses_data();
    void checkoutRefuses();
    void roomStatusSetsTheRoom();
    void roomStatusRefuses_data();
    void roomStatusRefuses();
    void cardIssueWritesEachKind_data();
    void cardIssueWritesEachKind();
    void cardIssueRefuses_data();
    void cardIssueRefuses();
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
                                                  << "zumerak-admin card: expects read | decode HEX | issue KIND | erase after its options";
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

void TestAdmin::checkoutWithoutCard()
{
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    for (const char *name : {"Anna", "Bert"}) {
        world.encoder->sim("blank");
        QCOMPARE(admin({"checkin", "1-101", "--operator", "ann", "--name", name, "--yes"}).exitCode, 0);
    }
    // Without --yes the question is answered No and nobody leaves.
    const Run asked = admin({"checkout", "1-101", "--operator", "ann", "--name", "Anna"});
    QCOMPARE(asked.exitCode, 1);
    QVERIFY2(asked.err.startsWith("QUERY?: "), qPrintable(asked.err));
    QCOMPARE(admin({"guests"}).out.count('\n'), 2);
    const Run left = admin({"checkout", "1-101", "--operator", "ann", "--name", "Anna", "--yes"});
    QVERIFY2(left.exitCode == 0, qPrintable(left.err));
    QVERIFY(left.err.contains("N9039: "));
    QVERIFY(admin({"guests"}).out.startsWith("1-101\tBert\t"));
    QCOMPARE(admin({"rooms"}).out.split('\n').first().split('\t').mid(2, 2), (QStringList{"Guest", "1"}));
}

void TestAdmin::checkoutWithCardAndCardErase()
{
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    world.encoder->sim("blank");
    QCOMPARE(admin({"checkin", "1-101", "--operator", "ann", "--name", "Anna"}).exitCode, 0);
    const Run out = admin({"checkout", "--card", "--operator", "ann"});
    QVERIFY2(out.exitCode == 0, qPrintable(out.err));
    QVERIFY(out.err.contains("N9045: "));
    QVERIFY(cardOnEncoder(world)["cardId"].isEmpty());
    QCOMPARE(admin({"guests"}).out, QString());
    QCOMPARE(admin({"rooms"}).out.split('\n').first().split('\t').mid(2, 2), (QStringList{"Vacant", "0"}));

    // A card is erased only when the command is told to go ahead.
    world.encoder->sim("blank");
    QCOMPARE(admin({"checkin", "1-102", "--operator", "ann", "--name", "Bert"}).exitCode, 0);
    const Run kept = admin({"card", "erase", "--operator", "ann"});
    QCOMPARE(kept.exitCode, 1);
    QVERIFY(kept.err.startsWith("N9068: "));
    QCOMPARE(cardOnEncoder(world)["kind"], QString("6"));
    const Run erased = admin({"card", "erase", "--operator", "ann", "--yes"});
    QVERIFY2(erased.exitCode == 0, qPrintable(erased.err));
    QVERIFY(erased.err.contains("N9047: "));
    QVERIFY(!cardOnEncoder(world).contains("kind"));
    // The erase leaves the stay to a check-out.
    QVERIFY(admin({"guests"}).out.startsWith("1-102\tBert\t"));
}

namespace {

// Status, CardCount and BeiZhu of room 1-101 as stored.
QStringList room101()
{
    QString error;
    if (!OpenFileDatabase(QDir::current().filePath("Zumerak.MDB"), &error))
        return {error};
    const QStringList row = {SqlScalar("SELECT Status FROM RoomInfo WHERE BldNo=1 AND RoomNo='101'").toString(),
                             SqlScalar("SELECT CardCount FROM RoomInfo WHERE BldNo=1 AND RoomNo='101'").toString(),
                             SqlScalar("SELECT BeiZhu FROM RoomInfo WHERE BldNo=1 AND RoomNo='101'").toString()};
    CloseDatabase();
    return row;
}

} // namespace

void TestAdmin::roomStatusSetsTheRoom()
{
    TestWorld world;
    QVERIFY(sampleWithOperators(world));
    const Run cleaning = admin({"room-status", "1-101", "VD", "--operator", "ann", "--yes"});
    QVERIFY2(cleaning.exitCode == 0, qPrintable(cleaning.err));
    QCOMPARE(cleaning.out, QString("Status=Cleaning Room\n"));
    QVERIFY(cleaning.err.startsWith("N9071: \nAre you sure to modify the Room Status?\n\nRoom No.:  101\n\n"
                                    "Vacant  -->  Cleaning Room\n"));
    const Run repair = admin({"room-status", "1-101", "OO", "--operator", "ann", "--memo", "  broken lock  "});
    QVERIFY2(repair.exitCode == 0, qPrintable(repair.err));
    QCOMPARE(repair.err, QString());
    QCOMPARE(room101(), (QStringList{"Maintenance", "0", "broken lock"}));
    const Run vacant = admin({"room-status", "1-101", "VC", "--operator", "ann"});
    QVERIFY2(vacant.exitCode == 0, qPrintable(vacant.err));
    QCOMPARE(room101(), (QStringList{"Vacant", "0", ""}));
}

void TestAdmin::checkoutRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::newRow("no guest of that name") << QStringList{"checkout", "1-101", "--operator", "ann", "--name", "Zoe",
                                                          "--yes"}
                                           << 1 << "N9046: ";
    QTest::newRow("a room without guests") << QStringList{"checkout", "1-102", "--operator", "ann", "--name", "Anna",
                                                          "--yes"}
                                           << 1 << "N9046: ";
    QTest::newRow("no right") << QStringList{"checkout", "1-101", "--operator", "kid", "--name", "Anna", "--yes"} << 1
                              << "zumerak-admin: the role of kid has no right to check guests out without card\n";
    QTest::newRow("a card that is no guest card") << QStringList{"checkout", "--card", "--operator", "ann"} << 1
                                                  << "N9042: ";
    QTest::newRow("no name") << QStringList{"checkout", "1-101", "--operator", "ann"} << 2
                             << "zumerak-admin checkout: --name NAME is required\n";
    QTest::newRow("a room and a card") << QStringList{"checkout", "1-101", "--card", "--operator", "ann"} << 2
                                       << "zumerak-admin checkout: expects";
    QTest::newRow("erase without operator") << QStringList{"card", "erase"} << 2
                                            << "zumerak-admin card: --operator CODE is required\n";
}

void TestAdmin::checkoutRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    world.encoder->sim("blank");
    QCOMPARE(admin({"checkin", "1-101", "--operator", "ann", "--name", "Anna"}).exitCode, 0);
    world.encoder->sim("blank");
    const Run run = admin(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    QVERIFY(admin({"guests"}).out.startsWith("1-101\tAnna\tWalkIn\t"));
}

void TestAdmin::roomStatusRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    const QString statuses = "zumerak-admin room-status: STATUS is one of VC, OH, TO, VD, OO, OC_WalkIn, OC_Team, ";
    QTest::newRow("a reservation is set by no operation")
        << QStringList{"room-status", "1-101", "OT", "--operator", "ann"} << 2 << statuses + "not 'OT'\n";
    QTest::newRow("an unknown status") << QStringList{"room-status", "1-101", "vd", "--operator", "ann"} << 2
                                       << statuses + "not 'vd'\n";
    QTest::newRow("a memo for another status")
        << QStringList{"room-status", "1-101", "VD", "--operator", "ann", "--memo", "x"} << 2
        << "zumerak-admin room-status: --memo is only for OO\n";
    QTest::newRow("no operator") << QStringList{"room-status", "1-101", "OO"} << 2
                                 << "zumerak-admin room-status: --operator CODE is required\n";
    QTest::newRow("no status") << QStringList{"room-status", "1-101", "--operator", "ann"} << 2
                               << "zumerak-admin room-status: expects ROOM STATUS after its options\n";
    QTest::newRow("a role") << QStringList{"room-status", "1-101", "OO", "--operator", "proQuanXian_A"} << 1
                            << "zumerak-admin: proQuanXian_A is not an operator\n";
    QTest::newRow("no status-setting right") << QStringList{"room-status", "1-101", "OO", "--operator", "kid"} << 1
                                             << "zumerak-admin: the role of kid has no right to set room statuses\n";
    QTest::newRow("an unknown room") << QStringList{"room-status", "9-999", "OO", "--operator", "ann"} << 1
                                     << "E0021: ";
    QTest::newRow("the question answered Cancel")
        << QStringList{"room-status", "1-101", "OH", "--operator", "ann"} << 1
        << "N9071: \nAre you sure to modify the Room Status?\n\nRoom No.:  101\n\nVacant  -->  Hour Used\n"
           "N9033: Please Select Room(s)\n";
}

void TestAdmin::roomStatusRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    TestWorld world;
    QVERIFY(sampleWithOperators(world));
    const Run run = admin(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(room101(), (QStringList{"Vacant", "0", ""}));
}

namespace {

using Fields = QMap<QString, QString>;

// The field=value lines of an output.
QMap<QString, QString> fieldsOf(const QString &out)
{
    QMap<QString, QString> fields;
    for (const QString &line : out.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            fields.insert(line.left(equals), line.mid(equals + 1));
    }
    return fields;
}

QString daysAhead(int days, const char *time)
{
    return QDate::currentDate().addDays(days).toString("yyyy-MM-dd ") + time;
}

} // namespace

void TestAdmin::cardIssueWritesEachKind_data()
{
    QTest::addColumn<QStringList>("arguments"); // after "card issue"
    QTest::addColumn<Fields>("expected"); // fields card read prints
    QTest::newRow("floor") << QStringList{"floor", "--building", "1", "--floor", "2", "--holder", "Maid"}
                           << Fields{{"kind", "13"}, {"building", "1"}, {"floor", "2"}, {"accessBolt", "0"},
                                     {"Holder", "Maid"}, {"EndTime", daysAhead(30, "23:59")}, {"Dai", "0"}};
    QTest::newRow("building") << QStringList{"building", "--building", "2"}
                              << Fields{{"kind", "12"}, {"building", "2"}, {"EndTime", daysAhead(365, "23:59")}};
    QTest::newRow("master, covering the earlier ones")
        << QStringList{"master", "--cover"}
        << Fields{{"kind", "11"}, {"accessBolt", "1"}, {"Dai", "1"}, {"Status", "Overwrite all the previous Master Cards"}};
    QTest::newRow("emergency") << QStringList{"emergency", "--no-access-bolt", "--until", "2027-01-31", "--start",
                                              "08:00", "--end", "18:00"}
                               << Fields{{"kind", "10"}, {"accessBolt", "0"}, {"EndTime", "2027-01-31 18:00"},
                                         {"StartTime", daysAhead(0, "08:00")}};
    QTest::newRow("group") << QStringList{"group", "--group", "12", "--access-bolt"}
                           << Fields{{"kind", "8"}, {"group", "12"}, {"accessBolt", "1"}};
    QTest::newRow("record") << QStringList{"record", "--memo", "night audit"} << Fields{{"kind", "1"}};
    QTest::newRow("black name") << QStringList{"black-name", "--black-card", "6a1b2c3d"} << Fields{{"kind", "4"}};
    QTest::newRow("check-out") << QStringList{"check-out"} << Fields{{"kind", "7"}};
    QTest::newRow("system") << QStringList{"system", "--memo", "wing A"} << Fields{{"kind", "0"}, {"options", "8098"}};
    QTest::newRow("room number") << QStringList{"room-number", "--room", "1-203"}
                                 << Fields{{"kind", "2"}, {"room", "1-203"}};
    QTest::newRow("clock") << QStringList{"clock"} << Fields{{"kind", "3"}};
    QTest::newRow("group number") << QStringList{"group-number", "--group-op", "set-one", "--group", "9"}
                                  << Fields{{"kind", "5"}, {"group", "9"}, {"groupOp", "1"}};
    QTest::newRow("group number, all groups") << QStringList{"group-number", "--group-op", "clear-all"}
                                              << Fields{{"kind", "5"}, {"groupOp", "2"}};
}

void TestAdmin::cardIssueWritesEachKind()
{
    QFETCH(QStringList, arguments);
    QFETCH(Fields, expected);
    // The lock options without "Ignore Overwrite Function", which hides the cover box.
    TestWorld world({.systemIni = encoderIni() + "TiShi=152\n", .encoder = true});
    QVERIFY(sampleWithOperators(world));
    world.encoder->sim("blank");
    const Run issued = admin(QStringList{"card", "issue"} + arguments + QStringList{"--operator", "ann"});
    QVERIFY2(issued.exitCode == 0, qPrintable(issued.err));
    const QMap<QString, QString> card = cardOnEncoder(world);
    QCOMPARE(issued.out, "CardID=" + card["cardId"] + "\n");
    const QString success = (expected["kind"].toInt() >= 6 || expected["kind"] == "1" || expected["kind"] == "4")
                                ? "N9054---"
                                : "N9053---";
    QVERIFY2(issued.err.startsWith(success + expected["kind"] + ": "), qPrintable(issued.err));
    if (arguments.first() == "black-name")
        QCOMPARE(card["lockArea"], QString("6A1B2C3D"));
    const Run back = admin({"card", "read"});
    QVERIFY2(back.exitCode == 0, qPrintable(back.err));
    const QMap<QString, QString> fields = fieldsOf(back.out);
    for (auto field = expected.cbegin(); field != expected.cend(); ++field)
        QCOMPARE(fields[field.key()], field.value());
}

void TestAdmin::cardIssueRefuses_data()
{
    QTest::addColumn<QStringList>("arguments"); // after "card"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err"); // the start of stderr
    const QStringList ann{"--operator", "ann"};
    QTest::newRow("memo on a group card") << QStringList{"issue", "group", "--group", "3", "--memo", "x"} + ann << 2
                                          << "zumerak-admin card: --memo does not apply to group cards\n";
    QTest::newRow("memo on a black-name card") << QStringList{"issue", "black-name", "--memo", "6A1B2C3D"} + ann << 2
                                               << "zumerak-admin card: --memo does not apply to black-name cards\n";
    QTest::newRow("floor on a master card") << QStringList{"issue", "master", "--floor", "1"} + ann << 2
                                            << "zumerak-admin card: --floor does not apply to master cards\n";
    QTest::newRow("unknown kind") << QStringList{"issue", "guest"} + ann << 2
                                  << "zumerak-admin card: unknown card kind 'guest'\n";
    QTest::newRow("no operator") << QStringList{"issue", "master"} << 2
                                 << "zumerak-admin card: --operator CODE is required\n";
    QTest::newRow("no group operation") << QStringList{"issue", "group-number", "--group", "1"} + ann << 2
                                        << "zumerak-admin card: --group-op expects clear-one, set-one, clear-all or "
                                           "set-all\n";
    QTest::newRow("a bad expiry") << QStringList{"issue", "master", "--until", "2050-01-01"} + ann << 2
                                  << "zumerak-admin card: --until expects a date yyyy-MM-dd from 2009-01-01 to "
                                     "2048-12-31\n";
    QTest::newRow("issue options on card read") << QStringList{"read", "--cover"} << 2
                                                << "zumerak-admin card: only card issue and card erase take these options\n";
    QTest::newRow("floor card without a floor") << QStringList{"issue", "floor", "--building", "1"} + ann << 1
                                                << "N9050: ";
    QTest::newRow("group 256") << QStringList{"issue", "group", "--group", "256"} + ann << 1 << "N9051: ";
    QTest::newRow("black name of 7") << QStringList{"issue", "black-name", "--black-card", "6A1B2C3"} + ann << 1
                                     << "N9052: ";
    QTest::newRow("room number without a room") << QStringList{"issue", "room-number"} + ann << 1 << "N9049: ";
    QTest::newRow("group number 256") << QStringList{"issue", "group-number", "--group-op", "set-one", "--group",
                                                     "256"} + ann
                                      << 1 << "N9023: ";
    QTest::newRow("cover on a record card") << QStringList{"issue", "record", "--cover"} + ann << 1
                                            << "zumerak-admin: record cards cannot cover the earlier ones here: the "
                                               "screen hides that box\n";
    QTest::newRow("cover while the locks ignore it") << QStringList{"issue", "master", "--cover"} + ann << 1
                                                     << "zumerak-admin: master cards cannot cover the earlier ones "
                                                        "here: the screen hides that box\n";
    QTest::newRow("unknown building") << QStringList{"issue", "building", "--building", "7"} + ann << 1
                                      << "zumerak-admin: there is no building 7\n";
    QTest::newRow("unknown floor") << QStringList{"issue", "floor", "--building", "2", "--floor", "3"} + ann << 1
                                   << "zumerak-admin: building 2 has no floor 3\n";
    QTest::newRow("no right") << QStringList{"issue", "floor", "--operator", "kid"} << 1
                              << "zumerak-admin: the role of kid has no right to issue floor cards\n";
    QTest::newRow("a role") << QStringList{"issue", "system", "--operator", "proQuanXian_S"} << 1
                            << "zumerak-admin: proQuanXian_S is not an operator\n";
}

void TestAdmin::cardIssueRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    TestWorld world({.systemIni = encoderIni(), .encoder = true});
    QVERIFY(sampleWithOperators(world));
    world.encoder->sim("blank");
    const Run run = admin(QStringList{"card"} + arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QVERIFY(!cardOnEncoder(world).contains("kind"));
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
    // System record 2 names the lock of room 1-101; the rest are zeros.
    records.write("A1B2C3" + QByteArray(16, '0') + "0001010100000000" + QByteArray(32, '0') + "D4E5");
    for (int line = 1; line < 9; ++line)
        records.write("A1B2C3" + QByteArray(64, '0') + "D4E5");
    records.close();
    world.encoder->sim("records " + records.fileName());
    world.encoder->sim("model collector");
    const Run asked = admin({"upload"});
    QCOMPARE(asked.exitCode, 1);
    QVERIFY(asked.err.contains("N9060: "));
    const Run uploaded = admin({"upload", "--yes"});
    QVERIFY2(uploaded.exitCode == 0, qPrintable(uploaded.err));
    const Run report = admin({"report", "opens"});
    QCOMPARE(report.err, QString("Room No.:  1-101\n"));
    const QStringList opens = report.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(opens.size(), 37);
    QCOMPARE(opens[1].split('\t').mid(0, 2), (QStringList{"", "00000000"}));
    QCOMPARE(opens.last().split('\t')[4], QString("SYSTEM DATA  32"));
}

QTEST_GUILESS_MAIN(TestAdmin)
#include "tst_admin.moc"
