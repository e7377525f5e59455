#include "core/settings.h"
#include "core/state.h"
#include "screens/logon/logon.h"
#include "screens/mainmenu/mainmenu.h"
#include "store/operators.h"
#include "store/passwords.h"
#include "store/schema.h"
#include "support/operatorrows.h"
#include "support/testworld.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>



class TestLogon : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(WorldOptions{.clock = true}); }
    void cleanup();

    void firstShowingAddsSuper_data() { AddEngineColumn(); AddEngineRows(); }
    void firstShowingAddsSuper();
    void encoderIsTriedAgainAtTheNextShowing();
    void failedSuperInsertIsShown();
    void entryChecksCodeAndPassword_data();
    void entryChecksCodeAndPassword();
    void plainTextPasswordIsHashedAtFirstLogon_data() { AddEngineColumn(); AddEngineRows(); }
    void plainTextPasswordIsHashedAtFirstLogon();
    void failedHashUpgradeIsShownWithItsOwnCode();
    void emptyPasswordMustBeSetFirst_data();
    void emptyPasswordMustBeSetFirst();
    void f1GivesHelpNotThePassword();
    void passwordChangeChecksItsEntries_data();
    void passwordChangeChecksItsEntries();
    void changedPasswordLogsOn_data() { AddEngineColumn(); AddEngineRows(); }
    void changedPasswordLogsOn();
    void returningFromTheMenuStartsAfresh();

private:
    // The logon screen shown over a fresh delivered database, with a plain
    // window standing in for the main menu.
    void showLogon(Engine engine = Engine::SQLite);
    void showWithoutEncoder();
    void enter(const QString &code, const QString &password);

    std::optional<TestWorld> m_world;
    TfrmLogon *m_logon = nullptr;
    QWidget *m_menu = nullptr;
};

namespace {

const QString kCancel = QStringLiteral("<cancel>");

QString storedPassword(const QString &code)
{
    return SqlScalar(QStringLiteral("SELECT MiMa FROM OperatorInfo WHERE GongHao = '%1'").arg(code)).toString();
}

QStringList listed(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

} // namespace

void TestLogon::cleanup()
{
    delete m_logon;
    m_logon = nullptr;
    delete m_menu;
    m_menu = nullptr;
    m_world.reset();
}

void TestLogon::showLogon(Engine engine)
{
    QVERIFY(m_world->deliverDatabase(engine));
    m_logon = new TfrmLogon;
    m_menu = new QWidget;
    m_logon->setMainMenu(m_menu);
}

void TestLogon::showWithoutEncoder()
{
    // No encoder is attached here: every showing tries to open one and says so.
    m_logon->show();
    QCOMPARE(m_world->port.captions().value(m_world->port.captions().size() - 1), QStringLiteral("E0029"));
    m_world->port.forgetBoxes();
}

void TestLogon::enter(const QString &code, const QString &password)
{
    m_logon->edtGongHao->setEditText(code);
    m_logon->edtMiMa->setText(password);
    m_logon->cmdEntry->click();
}

void TestLogon::firstShowingAddsSuper()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    showLogon(engine);
    showWithoutEncoder();
    QVERIFY(m_world->port.boxes().isEmpty());
    QCOMPARE(SqlScalar("SELECT Name || '|' || MiMa || '|' || QuanXian || '|' || BeiZhu FROM OperatorInfo"
                       " WHERE GongHao = 'Super'")
                 .toString(),
             QString("SuperAdministrator||S|Auto"));
    QCOMPARE(listed(m_logon->edtGongHao), QStringList());

    m_world->port.input("first");
    m_world->port.input("first");
    enter("Super", "any password at all");
    QCOMPARE(m_world->port.captions(), QStringList{"SUCCESS"});
    QVERIFY(PasswordMatches(storedPassword("Super"), "first"));
    QCOMPARE(strQX, QString(80, '1'));
    QVERIFY(m_logon->isHidden());
    QVERIFY(m_menu->isVisible());
}

void TestLogon::encoderIsTriedAgainAtTheNextShowing()
{
    showLogon();
    showWithoutEncoder();
    m_logon->hide();
    showWithoutEncoder();
    QCOMPARE(EncoderMode, -1);
    QVERIFY(EncoderModel.isEmpty());
}

void TestLogon::failedSuperInsertIsShown()
{
    showLogon();
    QVERIFY(SqlExec("CREATE TRIGGER refuse BEFORE INSERT ON OperatorInfo BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    m_logon->show();
    QCOMPARE(m_world->port.captions(), (QStringList{"E0016", "E0029"}));
    QVERIFY(m_world->port.boxes().first().text.startsWith("Add Super Administrator Failure\n"));
}

void TestLogon::entryChecksCodeAndPassword_data()
{
    AddEngineColumn();
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("entered");
    QTest::addColumn<QString>("rights");
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString at = engine == Engine::SQLite ? " sqlite" : " postgresql";
        QTest::newRow(qPrintable("super in lower case" + at)) << engine << "super" << "x" << true << QString(80, '1');
        QTest::newRow(qPrintable("right password, code with blanks around" + at))
            << engine << "  ann " << "Pass word" << true << DefaultRights('A');
        QTest::newRow(qPrintable("password case differs" + at)) << engine << "ann" << "pass word" << false << "";
        QTest::newRow(qPrintable("role row missing: no right" + at))
            << engine << "xena" << "x" << true << QString(79, '0');
        QTest::newRow(qPrintable("no such operator, three blanks" + at)) << engine << "ghost" << "   " << false << "";
        QTest::newRow(qPrintable("a role row's code" + at)) << engine << "proQuanXian_S" << "" << false << "";
    }
}

void TestLogon::entryChecksCodeAndPassword()
{
    QFETCH(Engine, engine);
    QFETCH(QString, code);
    QFETCH(QString, password);
    QFETCH(bool, entered);
    QFETCH(QString, rights);
    if (SkipWithoutServer(engine))
        return;
    showLogon(engine);
    QVERIFY(AddOperatorRow("ann", "A", HashPassword("Pass word").value()));
    QVERIFY(AddOperatorRow("xena", "X", HashPassword("x").value()));
    showWithoutEncoder();
    QString error;
    QVERIFY2(StorePassword("Super", HashPassword("x").value(), &error), qPrintable(error));

    enter(code, password);
    QCOMPARE(m_menu->isVisible(), entered);
    QCOMPARE(m_logon->isHidden(), entered);
    if (entered) {
        QVERIFY(m_world->port.boxes().isEmpty());
        QCOMPARE(curOperator.GongHao, code.trimmed());
        QCOMPARE(strQX, rights);
    } else {
        QCOMPARE(m_world->port.captions(), QStringList{"E0002"});
        QCOMPARE(m_world->port.boxes().first().text, QString("Password Error, Please try again"));
    }
}

void TestLogon::plainTextPasswordIsHashedAtFirstLogon()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    showLogon(engine);
    QVERIFY(AddOperatorRow("ann", "A", "plain old"));
    showWithoutEncoder();

    enter("ann", "plain old");
    QVERIFY(m_menu->isVisible());
    const QString stored = storedPassword("ann");
    QVERIFY(IsPasswordHash(stored));
    QVERIFY(PasswordMatches(stored, "plain old"));

    m_menu->hide();
    showWithoutEncoder();
    enter("ann", "plain old ");
    QCOMPARE(m_world->port.captions(), QStringList{"E0002"});
    enter("ann", "plain old");
    QVERIFY(m_menu->isVisible());
}

void TestLogon::failedHashUpgradeIsShownWithItsOwnCode()
{
    showLogon();
    QVERIFY(AddOperatorRow("ann", "A", "plain old"));
    QVERIFY(SqlExec("CREATE TRIGGER refuse BEFORE UPDATE ON OperatorInfo BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    showWithoutEncoder();
    enter("ann", "plain old");
    QCOMPARE(m_world->port.captions(), QStringList{"E0073"});
    QVERIFY(m_world->port.boxes().first().text.startsWith("Update OperatorInfo Failure\n"));
    QVERIFY(m_menu->isVisible());
    QCOMPARE(storedPassword("ann"), QString("plain old"));
}

// A new operator, or one whose password was reset, sets a password before the
// menu opens; whatever was typed in the password box does not count.
void TestLogon::emptyPasswordMustBeSetFirst_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("nowLogsOnWith"); // "" while the password is still empty
    const QString mismatch = "The password you typed do not match. Please retype the new password in the both boxes.";
    QTest::newRow("set") << QStringList{" fresh", "fresh "} << "SUCCESS" << "fresh";
    QTest::newRow("empty refused") << QStringList{"  ", ""} << "N9022" << "";
    QTest::newRow("entries differ") << QStringList{"one", "two"} << "N9022" << "";
    QTest::newRow("21 characters refused") << QStringList{QString(21, 'x'), QString(21, 'x')} << "N9022" << "";
    QTest::newRow("cancel at the first prompt") << QStringList{kCancel} << "" << "";
    QTest::newRow("cancel at the second prompt") << QStringList{"fresh", kCancel} << "" << "";
}

void TestLogon::emptyPasswordMustBeSetFirst()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, caption);
    QFETCH(QString, nowLogsOnWith);
    showLogon();
    QVERIFY(AddOperatorRow("gus", "G"));
    showWithoutEncoder();
    for (const QString &answer : answers) {
        if (answer == kCancel)
            m_world->port.cancelInput();
        else
            m_world->port.input(answer);
    }
    enter("gus", "typed at the logon");

    const bool entered = caption == "SUCCESS";
    QCOMPARE(m_world->port.captions(), caption.isEmpty() ? QStringList() : QStringList{caption});
    QCOMPARE(m_world->port.prompts().value(0), QString("Type a new password.\n"));
    QCOMPARE(m_menu->isVisible(), entered);
    QCOMPARE(m_logon->isHidden(), entered);
    QCOMPARE(storedPassword("gus").isEmpty(), nowLogsOnWith.isEmpty());
    if (entered) {
        QVERIFY(PasswordMatches(storedPassword("gus"), nowLogsOnWith));
        QCOMPARE(strQX, DefaultRights('G'));
    }
}

void TestLogon::f1GivesHelpNotThePassword()
{
    showLogon();
    QVERIFY(AddOperatorRow("ann", "A", "secret"));
    showWithoutEncoder();
    m_logon->edtGongHao->setEditText("ann");
    curOperator.GongHao = "ann";
    QTest::keyClick(m_logon->edtMiMa, Qt::Key_F1);
    QCOMPARE(m_world->port.captions(), QStringList{"N9001"});
    QCOMPARE(m_world->port.boxes().first().text, QString("Ask a super administrator to reset your password."));
}

void TestLogon::passwordChangeChecksItsEntries_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("nowLogsOnWith");
    const QString mismatch = "The password you typed do not match. Please retype the new password in the both boxes.";
    const QString twenty(20, 'x');
    const QString twentyOne(21, 'x');
    QTest::newRow("no code") << "" << QStringList() << "N9021" << "Please Select Your Code" << "old";
    QTest::newRow("trailing blanks are trimmed") << "ann" << QStringList{"old", "new pw  ", "new pw"} << "SUCCESS"
                                                 << "Changed password successfully." << "new pw";
    QTest::newRow("new entries differ") << "ann" << QStringList{"old", "one", "two"} << "N9022"
                                        << mismatch + "\none\ntwo" << "old";
    QTest::newRow("20 characters") << "ann" << QStringList{"old", twenty, twenty} << "SUCCESS"
                                   << "Changed password successfully." << twenty;
    QTest::newRow("21 characters refused") << "ann" << QStringList{"old", twentyOne, twentyOne} << "N9022"
                                           << mismatch + '\n' + twentyOne + '\n' + twentyOne << "old";
    QTest::newRow("empty new password refused") << "ann" << QStringList{"old", " ", ""} << "N9022"
                                                << mismatch + "\n\n" << "old";
    QTest::newRow("wrong current password") << "ann" << QStringList{"old ", "n", "n"} << "E0012"
                                            << "Password Error, Please try again" << "old";
    QTest::newRow("no such operator") << "ghost" << QStringList{"", "n", "n"} << "E0012"
                                      << "Password Error, Please try again" << "old";
    QTest::newRow("cancel at the second prompt") << "ann" << QStringList{"old", kCancel} << "" << "" << "old";
}

void TestLogon::passwordChangeChecksItsEntries()
{
    QFETCH(QString, code);
    QFETCH(QStringList, answers);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, nowLogsOnWith);
    showLogon();
    QVERIFY(AddOperatorRow("ann", "A", HashPassword("old").value()));
    showWithoutEncoder();
    for (const QString &answer : answers) {
        if (answer == kCancel)
            m_world->port.cancelInput();
        else
            m_world->port.input(answer);
    }
    m_logon->edtGongHao->setEditText(code);
    m_logon->cmdModiMiMa->click();

    if (caption.isEmpty()) {
        QVERIFY(m_world->port.boxes().isEmpty());
    } else {
        QCOMPARE(m_world->port.captions(), QStringList{caption});
        QCOMPARE(m_world->port.boxes().first().text, text);
    }
    QVERIFY(PasswordMatches(storedPassword("ann"), nowLogsOnWith));
}

void TestLogon::changedPasswordLogsOn()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    showLogon(engine);
    QVERIFY(AddOperatorRow("gus", "G"));
    showWithoutEncoder();
    for (const char *answer : {"", "fresh", "fresh"})
        m_world->port.input(answer);
    m_logon->edtGongHao->setEditText("gus");
    m_logon->cmdModiMiMa->click();
    QCOMPARE(m_world->port.captions(), QStringList{"SUCCESS"});
    QCOMPARE(m_world->port.prompts(), (QStringList{"Type your current password.\n", "Type a new password.\n",
                                             "Type the new password again to confirm.\n"}));
    QVERIFY(IsPasswordHash(storedPassword("gus")));

    m_world->port.clear();
    enter("gus", "other");
    QCOMPARE(m_world->port.captions(), QStringList{"E0002"});
    enter("gus", "fresh");
    QVERIFY(m_menu->isVisible());
}

void TestLogon::returningFromTheMenuStartsAfresh()
{
    showLogon();
    QVERIFY(AddOperatorRow("ann", "S", HashPassword("pw").value()));
    TfrmMain menu(m_logon);
    m_logon->setMainMenu(&menu);
    showWithoutEncoder();
    QCOMPARE(listed(m_logon->edtGongHao), QStringList{"ann"});
    enter("ann", "pw");
    QVERIFY(menu.isVisible());

    fDirectCardErase = true;
    QVERIFY(AddOperatorRow("bob", "G"));
    menu.close();
    QVERIFY(m_logon->isVisible());
    QCOMPARE(m_logon->edtGongHao->currentText(), QString());
    QCOMPARE(m_logon->edtMiMa->text(), QString());
    QCOMPARE(listed(m_logon->edtGongHao), (QStringList{"ann", "bob"}));
    QVERIFY(!fDirectCardErase);
}

QTEST_MAIN(TestLogon)
#include "tst_logon.moc"
