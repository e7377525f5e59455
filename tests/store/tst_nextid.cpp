#include "core/settings.h"
#include "core/state.h"
#include "store/cardregister.h"
#include "store/guests.h"
#include "store/nextid.h"
#include "support/testworld.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

// Two desks on one database both number their next row "largest ID plus 1".
class TestNextId : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(); }
    void cleanup();

    void aDeskThatLostItsNumberTakesTheNext_data();
    void aDeskThatLostItsNumberTakesTheNext();
    void otherFailuresAreNotRetried_data() { AddEngineColumn(); AddEngineRows(); }
    void otherFailuresAreNotRetried();
    void desksInsertingAtOnceKeepEveryRow();

private:
    std::optional<TestWorld> m_world;
};

namespace {

const QString kLargestCardId = "SELECT MAX(ID) as MaxID FROM CardInfo";
const QString kDeskA = "desk-a";

// The card register insert of another desk, on its own connection.
void prepareCardInsert(QSqlQuery &insert, const QString &holder)
{
    insert.prepare("INSERT INTO CardInfo VALUES(:ID,:CardData,:Holder,:Operator,:BeiZhu,:Status)");
    insert.bindValue(":CardData", "60000000000000000000000000000000");
    insert.bindValue(":Holder", holder);
    insert.bindValue(":Operator", "0001");
    insert.bindValue(":BeiZhu", QString());
    insert.bindValue(":Status", QString());
}

} // namespace

void TestNextId::cleanup()
{
    CloseDatabase(kDeskA);
    m_world.reset();
}

void TestNextId::aDeskThatLostItsNumberTakesTheNext_data()
{
    AddEngineColumn();
    QTest::addColumn<QString>("table");
    for (const Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString on = engine == Engine::SQLite ? " (sqlite)" : " (postgresql)";
        QTest::newRow(qPrintable("card register" + on)) << engine << "CardInfo";
        QTest::newRow(qPrintable("guest register" + on)) << engine << "GuestInfo";
    }
}

void TestNextId::aDeskThatLostItsNumberTakesTheNext()
{
    QFETCH(Engine, engine);
    QFETCH(QString, table);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QString error;
    QVERIFY2(OpenAnotherConnection(engine, kDeskA, &error), qPrintable(error));
    QSqlDatabase deskA = QSqlDatabase::database(kDeskA, false);
    const QString largest = "SELECT MAX(ID) as MaxID FROM " + table;

    int id = ReadNextId(deskA, largest, &error);
    QCOMPARE(id, 1);
    // Desk B stores its row between desk A's read and insert.
    ScriptedPort &port = m_world->port;
    if (table == "CardInfo")
        QVERIFY(InsertCardInfo());
    else
        QVERIFY(InsertGuestInfo());
    QSqlQuery insert(deskA);
    insert.prepare("INSERT INTO " + table + " (ID) VALUES (:ID)");
    QVERIFY2(InsertWithNextId(deskA, largest, insert, &id, &error), qPrintable(error));
    QCOMPARE(id, 2);
    QVERIFY(port.boxes().isEmpty());
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM " + table).toInt(), 2);
}

void TestNextId::otherFailuresAreNotRetried()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QSqlDatabase db = Db();
    QString error;
    int id = ReadNextId(db, kLargestCardId, &error);
    QSqlQuery insert(db);
    insert.prepare("INSERT INTO CardInfo (ID, CardData) VALUES (:ID, :a)");
    insert.bindValue(":a", "x");
    QVERIFY(SqlExec("DROP TABLE CardInfo"));
    QVERIFY(!InsertWithNextId(db, kLargestCardId, insert, &id, &error));
    QCOMPARE(id, 1);
    QVERIFY(!error.isEmpty());
}

// Every desk its own connection and thread; every row must arrive under its
// own number.
void TestNextId::desksInsertingAtOnceKeepEveryRow()
{
    if (SkipWithoutServer(Engine::PostgreSQL))
        return;
    QVERIFY(m_world->deliverDatabase(Engine::PostgreSQL));
    constexpr int kDesks = 4;
    constexpr int kRowsEach = 25;
    std::atomic<int> failures{0};
    std::vector<std::unique_ptr<QThread>> desks;
    for (int desk = 0; desk < kDesks; ++desk) {
        desks.emplace_back(QThread::create([desk, &failures] {
            const QString name = QStringLiteral("desk-%1").arg(desk);
            QString error;
            if (!OpenAnotherConnection(Engine::PostgreSQL, name, &error)) {
                ++failures;
                return;
            }
            {
                QSqlDatabase db = QSqlDatabase::database(name, false);
                for (int row = 0; row < kRowsEach; ++row) {
                    QSqlQuery insert(db);
                    prepareCardInsert(insert, QStringLiteral("desk %1 row %2").arg(desk).arg(row));
                    int id = ReadNextId(db, kLargestCardId, &error);
                    if (id < 1 || !InsertWithNextId(db, kLargestCardId, insert, &id, &error))
                        ++failures;
                }
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }));
    }
    for (auto &desk : desks)
        desk->start();
    for (auto &desk : desks)
        QVERIFY(desk->wait(120000));
    QCOMPARE(failures.load(), 0);
    QCOMPARE(SqlScalar("SELECT COUNT(*) FROM CardInfo").toInt(), kDesks * kRowsEach);
    QCOMPARE(SqlScalar("SELECT COUNT(DISTINCT Holder) FROM CardInfo").toInt(), kDesks * kRowsEach);
    QCOMPARE(SqlScalar("SELECT MAX(ID) FROM CardInfo").toInt(), kDesks * kRowsEach);
}

QTEST_GUILESS_MAIN(TestNextId)
#include "tst_nextid.moc"
