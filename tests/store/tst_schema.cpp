#include "store/connection.h"
#include "store/delivery.h"
#include "store/schema.h"
#include "support/testworld.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

// The delivered database on both engines: the statements of the program must
// read the same on either.
class TestSchema : public QObject {
    Q_OBJECT
private slots:
    void columnsInTheirOrder_data() { AddEngineColumn(); AddEngineRows(); }
    void columnsInTheirOrder();
    void deliveredRows_data() { AddEngineColumn(); AddEngineRows(); }
    void deliveredRows();
    void dialect_data() { AddEngineColumn(); AddEngineRows(); }
    void dialect();
    void keysAreUnique_data();
    void keysAreUnique();
    void replacesAFileWithOneThatStandsAlone();
};

namespace {

QStringList columnsOf(const QString &table)
{
    QSqlQuery query(Db());
    if (!query.exec("SELECT * FROM " + table))
        return {};
    QStringList names;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i).toLower());
    return names;
}

} // namespace

void TestSchema::columnsInTheirOrder()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    const QList<QPair<QString, QString>> tables = {
        {"BuildingInfo", "BldNo BldName"},
        {"RoomInfo", "BldNo FlrNo RomID RomID2 RoomNo sType Status Price Dai CardCount MaxCards PublicDoor BeiZhu "
                     "ReservCkIn FirstCkOut HourRateStartUp HourRatePrice"},
        {"GuestInfo", "ID BldRoomNo Name Sex CType CNo ComeTime GoTime CardID Flag BeiZhu Price YaJin"},
        {"CardInfo", "ID CardData Holder GongHao BeiZhu Status"},
        {"Dai", "CardType Dai"},
        {"RecordOpen", "OrderFlag RecData OpenTime"},
        {"OperatorInfo", "GongHao Name MiMa QuanXian BeiZhu"},
    };
    for (const auto &[table, columns] : tables)
        QCOMPARE(columnsOf(table), columns.toLower().split(' '));
}

void TestSchema::deliveredRows()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    QSqlQuery query(Db());
    QVERIFY(query.exec("SELECT CardType, Dai FROM Dai ORDER BY CardType"));
    QList<int> kinds;
    while (query.next()) {
        kinds.append(query.value(0).toInt());
        QCOMPARE(query.value(1).toInt(), 0);
    }
    QCOMPARE(kinds, (QList<int>{0, 1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13}));

    QVERIFY(query.exec("SELECT GongHao, QuanXian, BeiZhu FROM OperatorInfo ORDER BY GongHao"));
    QStringList roles;
    while (query.next()) {
        roles.append(query.value(0).toString());
        QCOMPARE(query.value(2).toString(), DefaultRights(query.value(1).toString().at(0)));
    }
    QCOMPARE(roles, (QStringList{"proQuanXian_A", "proQuanXian_G", "proQuanXian_M", "proQuanXian_S"}));
    QVERIFY(query.exec("SELECT COUNT(*) FROM GuestInfo") && query.next());
    QCOMPARE(query.value(0).toInt(), 0);
}

void TestSchema::dialect()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    const QDateTime none(QDate(1899, 12, 30), QTime(0, 0));
    const QDateTime come(QDate(2026, 12, 10), QTime(14, 5, 30));

    QSqlQuery insert(Db());
    QVERIFY(insert.prepare("INSERT INTO GuestInfo VALUES(:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k,:l,:m)"));
    const QVariantList values = {1, "1-101", "Ann Lee", "F", "ID", "X1", come, none, "6A000001", "WalkIn", "", "12.3456", "0.0001"};
    const char *names[] = {":a", ":b", ":c", ":d", ":e", ":f", ":g", ":h", ":i", ":j", ":k", ":l", ":m"};
    for (int i = 0; i < values.size(); ++i)
        insert.bindValue(names[i], values[i]);
    QVERIFY(insert.exec());

    QSqlQuery query(Db());
    // Text compares without regard to case, as hotels' data expects.
    QVERIFY(query.prepare("SELECT ComeTime, GoTime, Price, YaJin, Mid(CardID, 1, 2) FROM GuestInfo "
                          "WHERE Name = :a AND Flag = :b"));
    query.bindValue(":a", "ANN LEE");
    query.bindValue(":b", "walkin");
    QVERIFY(query.exec());
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toDateTime(), come);
    QCOMPARE(query.value(1).toDateTime(), none);
    QCOMPARE(query.value(2).toString().toDouble(), 12.3456);
    QCOMPARE(query.value(3).toString().toDouble(), 0.0001);
    QCOMPARE(query.value(4).toString(), QString("6A"));

    // Date-time comparisons order correctly against the zero value.
    QVERIFY(query.prepare("SELECT COUNT(*) FROM GuestInfo WHERE GoTime < :a AND ComeTime > :a"));
    query.bindValue(":a", QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    QVERIFY(query.exec() && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
}

void TestSchema::keysAreUnique_data()
{
    AddEngineColumn();
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const char *name = engine == Engine::SQLite ? "sqlite" : "postgresql";
        QTest::addRow("%s, BldNo", name) << engine << "INSERT INTO BuildingInfo VALUES(7, 'A')"
                                         << "INSERT INTO BuildingInfo VALUES(7, 'B')";
        QTest::addRow("%s, lock number", name)
            << engine << "INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RoomNo) VALUES(1, 2, 3, '203')"
            << "INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RoomNo) VALUES(1, 2, 3, '299')";
        QTest::addRow("%s, room number", name)
            << engine << "INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RoomNo) VALUES(1, 2, 3, '203')"
            << "INSERT INTO RoomInfo (BldNo, FlrNo, RomID, RoomNo) VALUES(1, 2, 4, '203')";
        QTest::addRow("%s, guest ID", name) << engine << "INSERT INTO GuestInfo (ID) VALUES(9)"
                                            << "INSERT INTO GuestInfo (ID) VALUES(9)";
        QTest::addRow("%s, card ID", name) << engine << "INSERT INTO CardInfo (ID) VALUES(9)"
                                           << "INSERT INTO CardInfo (ID) VALUES(9)";
        QTest::addRow("%s, card kind", name) << engine << "SELECT 1" << "INSERT INTO Dai VALUES(0, 5)";
        QTest::addRow("%s, operator code in any case", name)
            << engine << "INSERT INTO OperatorInfo (GongHao) VALUES('Super')"
            << "INSERT INTO OperatorInfo (GongHao) VALUES('SUPER')";
    }
}

void TestSchema::keysAreUnique()
{
    QFETCH(Engine, engine);
    QFETCH(QString, first);
    QFETCH(QString, second);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    QSqlQuery query(Db());
    QVERIFY(query.exec(first));
    QVERIFY(!query.exec(second));
}

void TestSchema::replacesAFileWithOneThatStandsAlone()
{
    WorkFolder folder;
    // The old database with the log and shared memory it left behind.
    for (const char *old : {"Zumerak.MDB", "Zumerak.MDB-wal", "Zumerak.MDB-shm"})
        folder.write(old, "old");
    QString error;
    QVERIFY2(BuildDeliveredFile(folder.file("Zumerak.MDB.new"), true, "Vacant", &error), qPrintable(error));
    // Checkpointed: the file alone holds everything.
    QVERIFY(!QFile::exists(folder.file("Zumerak.MDB.new-wal")));
    QVERIFY2(ReplaceDatabaseFile(folder.file("Zumerak.MDB.new"), folder.file("Zumerak.MDB"), &error),
             qPrintable(error));
    for (const char *gone : {"Zumerak.MDB.new", "Zumerak.MDB-wal", "Zumerak.MDB-shm"})
        QVERIFY2(!QFile::exists(folder.file(gone)), gone);
    QVERIFY2(OpenFileDatabase(folder.file("Zumerak.MDB"), &error), qPrintable(error));
    QSqlQuery query(Db());
    QVERIFY(query.exec("SELECT COUNT(*) FROM RoomInfo WHERE Status = 'Vacant'") && query.next());
    QCOMPARE(query.value(0).toInt(), 34);
    CloseDatabase();

    // A move that cannot be made leaves the new file where it was built.
    QVERIFY(BuildDeliveredFile(folder.file("Zumerak.MDB.new"), false, "Vacant", &error));
    QVERIFY(!ReplaceDatabaseFile(folder.file("Zumerak.MDB.new"), folder.file("missing/Zumerak.MDB"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFile::exists(folder.file("Zumerak.MDB.new")));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
