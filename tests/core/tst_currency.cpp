#include "core/currency.h"
#include "store/connection.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

#include <cmath>
#include <limits>

class TestCurrency : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void readsWhatTheEnginesReturn_data();
    void readsWhatTheEnginesReturn();
    void showsTheMostNegativeValue();
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
    QTest::newRow("fifteen digits") << "999999999999999" << false << qint64(0) << "";
    QTest::newRow("fourteen digits") << "-99999999999999.9999" << true << qint64(-999999999999999999) << "-99999999999999.9999";
    QTest::newRow("digits of another script") << QString::fromUtf8("\u0661\u0662") << false << qint64(0) << "";
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

void TestCurrency::readsWhatTheEnginesReturn_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::newRow("NULL") << QVariant() << true << qint64(0);
    QTest::newRow("text") << QVariant("288.5000") << true << qint64(2885000);
    QTest::newRow("text, more decimals") << QVariant("1.23456") << true << qint64(12346);
    QTest::newRow("text, exponent") << QVariant("1.5E3") << true << qint64(15000000);
    QTest::newRow("integer") << QVariant(qint64(-12)) << true << qint64(-120000);
    QTest::newRow("double") << QVariant(0.1) << true << qint64(1000);
    QTest::newRow("text out of range") << QVariant("3.5E201") << false << qint64(0);
    QTest::newRow("text of fifteen digits") << QVariant("999999999999999") << false << qint64(0);
    QTest::newRow("negative text out of range") << QVariant("-1e15") << false << qint64(0);
    QTest::newRow("text not a number") << QVariant("abc") << false << qint64(0);
    QTest::newRow("integer of fifteen digits") << QVariant(qint64(999999999999999)) << false << qint64(0);
    QTest::newRow("most negative integer") << QVariant(std::numeric_limits<qint64>::min()) << false << qint64(0);
    QTest::newRow("largest unsigned") << QVariant(std::numeric_limits<quint64>::max()) << false << qint64(0);
    QTest::newRow("double out of range") << QVariant(3.5e201) << false << qint64(0);
    QTest::newRow("not a number") << QVariant(std::nan("")) << false << qint64(0);
    QTest::newRow("infinity") << QVariant(-std::numeric_limits<double>::infinity()) << false << qint64(0);
}

void TestCurrency::readsWhatTheEnginesReturn()
{
    QFETCH(QVariant, value);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    const std::optional<Currency> read = Currency::fromSql(value);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(read->units(), units);
}

void TestCurrency::showsTheMostNegativeValue()
{
    QCOMPARE(Currency::fromUnits(std::numeric_limits<qint64>::min()).toFixed(), QString("-922337203685477.5808"));
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
        read += Currency::fromSql(query.value(0)).value();
        QCOMPARE(Currency::fromSql(query.value(1))->units(), qint64(123456789012345));
    }
    QCOMPARE(read, total);
    QCOMPARE(read.toString(), QString("1"));
}

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
