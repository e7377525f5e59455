#include "core/currency.h"
#include "store/connection.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

class TestCurrency : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void sumsExactlyThroughTheDatabase_data() { AddEngineColumn(); AddEngineRows(); }
    void sumsExactlyThroughTheDatabase();
};

void TestCurrency::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << "288" << true << qint64(2880000) << "288";
    QTest::newRow("decimals") << "12.5" << true << qint64(125000) << "12.5";
    QTest::newRow("four decimals") << "0.0001" << true << qint64(1) << "0.0001";
    QTest::newRow("negative") << "-3.25" << true << qint64(-32500) << "-3.25";
    QTest::newRow("blanks") << " 7 " << true << qint64(70000) << "7";
    QTest::newRow("five decimals") << "1.00001" << false << qint64(0) << "";
    QTest::newRow("letters") << "12a" << false << qint64(0) << "";
    QTest::newRow("empty") << "" << false << qint64(0) << "";
}

void TestCurrency::parses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    QFETCH(QString, shown);
    const std::optional<Currency> value = Currency::parse(text);
    QCOMPARE(value.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(value->units(), units);
    QCOMPARE(value->toString(), shown);
    QCOMPARE(Currency::parse(value->toFixed()), value);
}

void TestCurrency::sumsExactlyThroughTheDatabase()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    TestWorld world;
    QVERIFY(world.deliverDatabase(engine));
    QSqlQuery insert(Db());
    QVERIFY(insert.prepare("INSERT INTO GuestInfo (ID, Price, YaJin) VALUES (:a, :b, :c)"));
    Currency total;
    for (int id = 1; id <= 10; ++id) {
        const Currency price = *Currency::parse("0.1");
        insert.bindValue(":a", id);
        insert.bindValue(":b", price.toSql());
        insert.bindValue(":c", Currency::fromUnits(123456789012345).toSql());
        QVERIFY(insert.exec());
        total += price;
    }
    QSqlQuery query(Db());
    QVERIFY(query.exec("SELECT Price, YaJin FROM GuestInfo ORDER BY ID"));
    Currency read;
    while (query.next()) {
        read += Currency::fromSql(query.value(0));
        QCOMPARE(Currency::fromSql(query.value(1)).units(), qint64(123456789012345));
    }
    QCOMPARE(read, total);
    QCOMPARE(read.toString(), QString("1"));
}

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
