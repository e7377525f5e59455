#include "core/settings.h"
#include "core/state.h"
#include "store/operators.h"
#include "store/passwords.h"
#include "support/operatorrows.h"
#include "support/testworld.h"

#include <QTest>

class TestOperators : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(); }
    void cleanup() { m_world.reset(); }

    void listsOperatorCodesAndNotesASuperLevelOperator_data();
    void listsOperatorCodesAndNotesASuperLevelOperator();
    void loadsTheOperatorWithTheRightsOfItsRole_data();
    void loadsTheOperatorWithTheRightsOfItsRole();
    void passwordsMatchAsStored_data();
    void passwordsMatchAsStored();
    void storingAPasswordNeedsTheOperatorsRow_data() { AddEngineColumn(); AddEngineRows(); }
    void storingAPasswordNeedsTheOperatorsRow();

private:
    std::optional<TestWorld> m_world;
};

void TestOperators::listsOperatorCodesAndNotesASuperLevelOperator_data()
{
    AddEngineColumn();
    QTest::addColumn<QStringList>("rows"); // "code:role"
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("superLevel");
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString at = engine == Engine::SQLite ? " sqlite" : " postgresql";
        QTest::newRow(qPrintable("only the role rows" + at)) << engine << QStringList() << QStringList() << false;
        QTest::newRow(qPrintable("Super is noted, not listed" + at))
            << engine << QStringList{"Super:G", "ann:A"} << QStringList{"ann"} << true;
        QTest::newRow(qPrintable("another case of Super is listed and has every right" + at))
            << engine << QStringList{"SUPER:G", "ann:A"} << QStringList{"ann", "SUPER"} << true;
        QTest::newRow(qPrintable("an operator of role S" + at))
            << engine << QStringList{"bob:S", "ann:G"} << QStringList{"ann", "bob"} << true;
    }
}

void TestOperators::listsOperatorCodesAndNotesASuperLevelOperator()
{
    QFETCH(Engine, engine);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, listed);
    QFETCH(bool, superLevel);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    for (const QString &row : rows)
        QVERIFY(AddOperatorRow(row.section(':', 0, 0), row.section(':', 1)));
    QStringList list{"left over"};
    QCOMPARE(LoadOperatorCodes(list), superLevel);
    // Both engines order codes without regard to case.
    QCOMPARE(list, listed);
    QVERIFY(m_world->port.boxes().isEmpty());
}

void TestOperators::loadsTheOperatorWithTheRightsOfItsRole_data()
{
    AddEngineColumn();
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("isOperator");
    QTest::addColumn<QString>("rights");
    const QString none(79, '0');
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString at = engine == Engine::SQLite ? " sqlite" : " postgresql";
        QTest::newRow(qPrintable("role A" + at)) << engine << "ann" << true << "A";
        QTest::newRow(qPrintable("super in lower case: every right" + at)) << engine << "super" << true
                                                                              << QString(80, '1');
        QTest::newRow(qPrintable("role row missing: no right" + at)) << engine << "xena" << true << none;
        QTest::newRow(qPrintable("a role row is no operator" + at)) << engine << "proquanxian_s" << false << none;
        QTest::newRow(qPrintable("unknown code" + at)) << engine << "nobody" << false << none;
    }
}

void TestOperators::loadsTheOperatorWithTheRightsOfItsRole()
{
    QFETCH(Engine, engine);
    QFETCH(QString, code);
    QFETCH(bool, isOperator);
    QFETCH(QString, rights);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(AddOperatorRow("ann", "A", "secret"));
    QVERIFY(AddOperatorRow("Super", "G"));
    QVERIFY(AddOperatorRow("xena", "X"));
    QVERIFY(SqlExec("UPDATE OperatorInfo SET BeiZhu = '1101' WHERE GongHao = 'proQuanXian_A'"));
    if (rights == "A")
        rights = "1101";

    QCOMPARE(LoadOperator(code), isOperator);
    QCOMPARE(strQX, rights);
    if (!isOperator) {
        // Nothing of the row found may let anyone in.
        QCOMPARE(curOperator.MiMa, QString());
        QCOMPARE(curOperator.Name, QString());
    }
    if (code == "ann") {
        QCOMPARE(curOperator.MiMa, QString("secret"));
        QCOMPARE(curOperator.QuanXian, QString("A"));
    }
}

void TestOperators::passwordsMatchAsStored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    QTest::addColumn<bool>("needsRehash");
    const QString hash = HashPassword("Sesame 7").value();
    QTest::newRow("empty lets any password in") << "" << "whatever" << true << false;
    QTest::newRow("hash, right password") << hash << "Sesame 7" << true << false;
    QTest::newRow("hash, case differs") << hash << "sesame 7" << false << false;
    QTest::newRow("hash, trailing blank") << hash << "Sesame 7 " << false << false;
    QTest::newRow("hash, empty typed") << hash << "" << false << false;
    QTest::newRow("plain text of an older database") << "Sesame 7" << "Sesame 7" << true << true;
    QTest::newRow("plain text, case differs") << "Sesame 7" << "sesame 7" << false << true;
}

void TestOperators::passwordsMatchAsStored()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    QFETCH(bool, needsRehash);
    QCOMPARE(PasswordMatches(stored, typed), matches);
    QCOMPARE(NeedsRehash(stored), needsRehash);
}

void TestOperators::storingAPasswordNeedsTheOperatorsRow()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(AddOperatorRow("ann", "A", "old"));
    QString error;
    QVERIFY(StorePassword("ann", "new", &error));
    QCOMPARE(SqlScalar("SELECT MiMa FROM OperatorInfo WHERE GongHao = 'ann'").toString(), QString("new"));
    QVERIFY(!StorePassword("nobody", "new", &error));
    QVERIFY(error.contains("nobody"));
    // Two hashes of one password differ: each has its own salt.
    QVERIFY(HashPassword("pw").value() != HashPassword("pw").value());
    QCOMPARE(HashPassword("").value(), QString());
}

QTEST_MAIN(TestOperators)
#include "tst_operators.moc"
