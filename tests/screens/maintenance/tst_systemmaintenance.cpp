#include "core/ini.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/maintenance/serviceunlock.h"
#include "screens/maintenance/systemmaintenance.h"
#include "store/schema.h"
#include "support/operatorrows.h"
#include "support/testworld.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>

class TestSystemMaintenance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void optionsShowTheSettings_data();
    void optionsShowTheSettings();
    void saveWritesLockOptionsOnlyWhenShown_data();
    void saveWritesLockOptionsOnlyWhenShown();
    void enterInAFieldPressesNoButton_data();
    void enterInAFieldPressesNoButton();
    void backupFolderIsCutOnlyWhenTyped_data();
    void backupFolderIsCutOnlyWhenTyped();
    void challengeIsDrawnFrom1001To9999();
    void reversedChallenge_data();
    void reversedChallenge();
    void serviceUnlockSwitchesDirectEraseOn_data();
    void serviceUnlockSwitchesDirectEraseOn();
    void directEraseResponses_data();
    void directEraseResponses();

    void addOperatorCutsAndChecksItsAnswers_data();
    void addOperatorCutsAndChecksItsAnswers();
    void removeAsksFirst_data() { AddEngineColumn(); AddEngineRows(); }
    void removeAsksFirst();
    void modifyOperator_data();
    void modifyOperator();
    void roleViewIsForSuperAdministrators_data() { AddEngineColumn(); AddEngineRows(); }
    void roleViewIsForSuperAdministrators();

private:
    void openScreen(Engine engine = Engine::SQLite, const QByteArray &systemIni = {});
    void showOperatorsPage();
    QStringList gridCodes() const;

    std::optional<TestWorld> m_world;
    TfrmSystemMaintenance *m_screen = nullptr;
};

namespace {

const QString kCancel = QStringLiteral("<cancel>");

QString systemValue(const QString &key)
{
    return IniFile(settings.IniFile).readString("SYSTEM", key, "<missing>");
}

QString operatorRow(const QString &code)
{
    return SqlScalar(QStringLiteral("SELECT GongHao || '|' || Name || '|' || BeiZhu || '|' || QuanXian"
                                    " FROM OperatorInfo WHERE GongHao = '%1'")
                         .arg(code))
        .toString();
}

} // namespace

void TestSystemMaintenance::init()
{
    m_world.emplace();
    strQX = QString(80, '1');
}

void TestSystemMaintenance::cleanup()
{
    delete m_screen;
    m_screen = nullptr;
    m_world.reset();
}

// The screen shows the settings it finds: a world of its own with the test's System.ini.
void TestSystemMaintenance::openScreen(Engine engine, const QByteArray &systemIni)
{
    m_world.emplace(WorldOptions{.systemIni = systemIni});
    strQX = QString(80, '1');
    QVERIFY(m_world->deliverDatabase(engine));
    m_screen = new TfrmSystemMaintenance;
    m_screen->show();
}

void TestSystemMaintenance::showOperatorsPage()
{
    m_screen->PageControl1->setCurrentWidget(m_screen->TabSheet3);
}

QStringList TestSystemMaintenance::gridCodes() const
{
    QStringList codes;
    for (int row = 0; row < m_screen->GridOperators->rowCount(); ++row) {
        const QTableWidgetItem *item = m_screen->GridOperators->item(row, 1);
        codes.append(item ? item->text() : QString());
    }
    return codes;
}

void TestSystemMaintenance::optionsShowTheSettings_data()
{
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<QString>("checkOut");
    QTest::addColumn<QString>("chosen"); // VC, VD or none
    QTest::addColumn<QString>("lockOptions"); // alarm remind noDisturb knob music cover
    QTest::newRow("defaults") << QByteArray() << "12:00" << "VC" << "000111";
    QTest::newRow("cleaning after check-out, seconds in the time")
        << QByteArray("FlagCheckOut=1\nCheckOutTime=11:30:00\nBaoJing=192\nTiShi=224\n") << "11:30" << "VD"
        << "111000";
    QTest::newRow("any other flag: neither radio, unreadable time")
        << QByteArray("FlagCheckOut=2\nCheckOutTime=noon\n") << "12:00" << "none" << "000111";
}

void TestSystemMaintenance::optionsShowTheSettings()
{
    QFETCH(QByteArray, system);
    QFETCH(QString, checkOut);
    QFETCH(QString, chosen);
    QFETCH(QString, lockOptions);
    openScreen(Engine::SQLite, "[SYSTEM]\n" + system);
    QCOMPARE(m_screen->PageControl1->currentWidget(), m_screen->TabSheet1);
    QCOMPARE(m_screen->DateTimePicker1->time().toString("HH:mm"), checkOut);
    QCOMPARE(m_screen->rbCheckOutToVC->isChecked(), chosen == "VC");
    QCOMPARE(m_screen->rbCheckOutToVD->isChecked(), chosen == "VD");
    QString boxes;
    for (const QCheckBox *box : {m_screen->chkAlarm, m_screen->chkRemind, m_screen->chkNoDisturb,
                                 m_screen->chkKnob, m_screen->chkMusic, m_screen->chkCover})
        boxes += box->isChecked() ? '1' : '0';
    QCOMPARE(boxes, lockOptions);
    QVERIFY(m_screen->GroupBox1->isHidden());
    QVERIFY(m_world->port.boxes().isEmpty());
}

void TestSystemMaintenance::saveWritesLockOptionsOnlyWhenShown_data()
{
    QTest::addColumn<bool>("extraOptions");
    QTest::addColumn<QString>("baoJing");
    QTest::addColumn<QString>("tiShi");
    // Return To Default has already put 128 and 156 in memory in both rows.
    QTest::newRow("extra options hidden: the file keeps its bytes") << false << "192" << "236";
    QTest::newRow("extra options shown: the ticked boxes") << true << "192" << "148";
}

void TestSystemMaintenance::saveWritesLockOptionsOnlyWhenShown()
{
    QFETCH(bool, extraOptions);
    QFETCH(QString, baoJing);
    QFETCH(QString, tiShi);
    openScreen(Engine::SQLite, "[SYSTEM]\nBaoJing=192\nTiShi=236\nSkin=Night.qss\n");
    QTest::keyClick(m_screen->edtBakPath, Qt::Key_F5);
    QVERIFY(!m_screen->GroupBox1->isHidden());
    m_screen->cmdReturnToDefault->click();
    QCOMPARE(settings.BaoJing, quint8(128));
    QCOMPARE(settings.TiShi, quint8(156));
    QVERIFY(!m_screen->chkAlarm->isChecked());
    if (extraOptions) {
        m_screen->chkAlarm->setChecked(true);
        m_screen->chkMusic->setChecked(false);
    } else {
        m_screen->GroupBox1->hide();
    }
    m_screen->edtHotelName->setText("  " + QString(70, 'H'));
    m_screen->edtBakPath->setText(" /srv/backup ");
    m_screen->DateTimePicker2->setTime(QTime(15, 30));
    m_screen->rbCheckOutToVD->setChecked(true);
    m_screen->chkGuestLLock->setChecked(false);
    m_screen->cmdSave->click();

    QCOMPARE(m_world->port.captions(), QStringList{"N9030"});
    QCOMPARE(m_world->port.boxes().first().text, QString("Saved Successfully"));
    QCOMPARE(m_screen->result(), int(QDialog::Accepted));
    QCOMPARE(systemValue("BaoJing"), baoJing);
    QCOMPARE(systemValue("TiShi"), tiShi);
    // A name typed or pasted is cut to 60 characters by the box itself.
    QCOMPARE(systemValue("HotelName"), QString(58, 'H'));
    QCOMPARE(settings.HotelName, QString(58, 'H'));
    QCOMPARE(systemValue("DBBakPath"), QString("/srv/backup"));
    QCOMPARE(systemValue("CheckOutTime"), QString("12:00"));
    QCOMPARE(systemValue("VIPCheckOutTime"), QString("15:30"));
    QCOMPARE(systemValue("FlagCheckOut"), QString("1"));
    QCOMPARE(systemValue("GuestLLock"), QString("0"));
    QCOMPARE(systemValue("Skin"), QString("Night.qss"));
}

void TestSystemMaintenance::enterInAFieldPressesNoButton_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("hotel name") << "edtHotelName";
    QTest::newRow("backup folder") << "edtBakPath";
    QTest::newRow("check-out time") << "DateTimePicker1";
    QTest::newRow("VIP check-out time") << "DateTimePicker2";
}

void TestSystemMaintenance::enterInAFieldPressesNoButton()
{
    QFETCH(QString, field);
    openScreen(Engine::SQLite, "[SYSTEM]\nBaoJing=192\nTiShi=224\n");
    QTest::keyClick(m_screen, Qt::Key_F5);
    QVERIFY(!m_screen->GroupBox1->isHidden());
    const QHash<QString, QWidget *> fields = {{"edtHotelName", m_screen->edtHotelName},
                                              {"edtBakPath", m_screen->edtBakPath},
                                              {"DateTimePicker1", m_screen->DateTimePicker1},
                                              {"DateTimePicker2", m_screen->DateTimePicker2}};
    QWidget *target = fields.value(field);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Enter);

    // Neither Return To Default nor Save nor Exit was pressed.
    QCOMPARE(settings.BaoJing, quint8(192));
    QCOMPARE(settings.TiShi, quint8(224));
    QVERIFY(m_screen->chkAlarm->isChecked());
    QVERIFY(m_screen->chkRemind->isChecked());
    QVERIFY(m_world->port.boxes().isEmpty());
    QVERIFY(m_screen->isVisible());
}

void TestSystemMaintenance::backupFolderIsCutOnlyWhenTyped_data()
{
    const QString stored = "/home/frontdesk/hotels/zumerak-grand/working-folder/Kestul_DBBak";
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed"); // typed at the end of what the box shows
    QTest::addColumn<QString>("saved");
    QTest::newRow("stored past 60, only a time changed: kept whole") << stored << "" << stored;
    QTest::newRow("typing cannot lengthen a longer stored folder") << stored << "/x" << stored;
    QTest::newRow("typed past 60: cut to 60") << "" << QString(70, 'p') << QString(60, 'p');
}

void TestSystemMaintenance::backupFolderIsCutOnlyWhenTyped()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    openScreen(Engine::SQLite, "[SYSTEM]\nDBBakPath=" + stored.toUtf8() + "\n");
    QCOMPARE(m_screen->edtBakPath->text(), stored);
    m_screen->edtBakPath->setFocus();
    m_screen->edtBakPath->end(false);
    QTest::keyClicks(m_screen->edtBakPath, typed);
    m_screen->DateTimePicker1->setTime(QTime(11, 0));
    m_screen->cmdSave->click();
    QCOMPARE(m_world->port.captions(), QStringList{"N9030"});
    QCOMPARE(systemValue("DBBakPath"), saved);
    QCOMPARE(systemValue("CheckOutTime"), QString("11:00"));
}

void TestSystemMaintenance::challengeIsDrawnFrom1001To9999()
{
    QList<int> draws{20000, 1000, 11000, 9999};
    const auto next = [&draws] { return draws.takeFirst(); };
    QCOMPARE(DrawChallenge(next), 9999);
    draws = {0, 10000, 1001};
    QCOMPARE(DrawChallenge(next), 1001);
}

void TestSystemMaintenance::reversedChallenge_data()
{
    QTest::addColumn<int>("challenge");
    QTest::addColumn<int>("reversed");
    QTest::newRow("1200 gives 21") << 1200 << 21;
    QTest::newRow("1001") << 1001 << 1001;
    QTest::newRow("9876") << 9876 << 6789;
}

void TestSystemMaintenance::reversedChallenge()
{
    QFETCH(int, challenge);
    QFETCH(int, reversed);
    QCOMPARE(ReversedChallenge(challenge), reversed);
}

void TestSystemMaintenance::serviceUnlockSwitchesDirectEraseOn_data()
{
    QTest::addColumn<QString>("answer"); // "right" for the right response
    QTest::addColumn<bool>("unlocked");
    QTest::newRow("right response") << "right" << true;
    QTest::newRow("wrong response") << "1" << false;
    QTest::newRow("not a number") << "abc" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("cancel") << kCancel << false;
}

void TestSystemMaintenance::serviceUnlockSwitchesDirectEraseOn()
{
    QFETCH(QString, answer);
    QFETCH(bool, unlocked);
    openScreen();
    // The response is worked out from the challenge offered, so the test
    // answers from within the box.
    class Answering final : public OperatorPort {
    public:
        explicit Answering(ScriptedPort *boxes, QString answer) : m_boxes(boxes), m_answer(std::move(answer)) {}
        BoxAnswer messageBox(BoxIcon icon, const QString &caption, const QString &text, BoxButtons buttons,
                             BoxAnswer defaultAnswer) override
        {
            return m_boxes->messageBox(icon, caption, text, buttons, defaultAnswer);
        }
        std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &value,
                                        bool) override
        {
            offered = value.toInt();
            m_boxes->messageBox(BoxIcon::Question, caption, prompt, BoxButtons::Ok, BoxAnswer::Ok);
            if (m_answer == kCancel)
                return std::nullopt;
            return m_answer == "right" ? QString::number(DirectEraseResponse(offered)) : m_answer;
        }
        void setBusy(bool) override {}
        int offered = 0;

    private:
        ScriptedPort *m_boxes;
        QString m_answer;
    } port(&m_world->port, answer);
    SetOperatorPort(&port);
    QTest::keyClick(m_screen->edtHotelName, Qt::Key_F2);
    SetOperatorPort(&m_world->port);

    QVERIFY(port.offered >= kLowestChallenge && port.offered <= kHighestChallenge);
    QCOMPARE(m_world->port.boxes().first().caption, QString("N9056"));
    QCOMPARE(m_world->port.boxes().first().text, QString("Please Input password"));
    QCOMPARE(fDirectCardErase, unlocked);
    QCOMPARE(m_world->port.captions().size(), unlocked ? 2 : 1);
    if (unlocked) {
        QCOMPARE(m_world->port.captions().last(), QString("DirectCardErase"));
        QCOMPARE(m_world->port.boxes().last().text, QString("OK"));
    }
}

void TestSystemMaintenance::directEraseResponses_data()
{
    // The answers the service staff work out by hand from their sheet.
    QTest::addColumn<int>("challenge");
    QTest::addColumn<int>("response");
    QTest::newRow("lowest challenge") << 1001 << 2243;
    QTest::newRow("reversed to two digits") << 1200 << 2586;
    QTest::newRow("root without a fraction") << 7040 << 0;
    QTest::newRow("reversed to one digit") << 5000 << 9399;
    QTest::newRow("4321") << 4321 << 232;
    QTest::newRow("2718") << 2718 << 7496;
    QTest::newRow("highest challenge") << 9999 << 339;
}

void TestSystemMaintenance::directEraseResponses()
{
    QFETCH(int, challenge);
    QFETCH(int, response);
    QCOMPARE(DirectEraseResponse(challenge), response);
}

void TestSystemMaintenance::addOperatorCutsAndChecksItsAnswers_data()
{
    AddEngineColumn();
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("row"); // the row stored under the code asked, "" for none
    const QString err = "The input is not correct. Please try again.\n";
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString at = engine == Engine::SQLite ? " sqlite" : " postgresql";
        QTest::newRow(qPrintable("code 21 and name 51 characters cut" + at))
            << engine << QStringList{QString(21, 'c'), QString(51, 'n'), " front desk ", " m "} << ""
            << QString(20, 'c') + '|' + QString(50, 'n') + "|front desk|M";
        QTest::newRow(qPrintable("role in lower case, empty memo" + at))
            << engine << QStringList{"ann", "Ann", "", "g"} << "" << "ann|Ann||G";
        QTest::newRow(qPrintable("two role letters refused" + at))
            << engine << QStringList{"ann", "Ann", "", "SA"} << "N9027" << "";
        QTest::newRow(qPrintable("another letter refused" + at))
            << engine << QStringList{"ann", "Ann", "", "X"} << "N9027" << "";
        QTest::newRow(qPrintable("empty role ends silently" + at))
            << engine << QStringList{"ann", "Ann", "", " "} << "" << "";
        QTest::newRow(qPrintable("cancel at the memo: an empty memo" + at))
            << engine << QStringList{"ann", "Ann", kCancel, "g"} << "" << "ann|Ann||G";
        QTest::newRow(qPrintable("empty name ends silently" + at)) << engine << QStringList{"ann", ""} << "" << "";
        QTest::newRow(qPrintable("a role row's code refused" + at))
            << engine << QStringList{"proQuanXian_Z"} << "N9026" << "";
        QTest::newRow(qPrintable("a code that exists" + at))
            << engine << QStringList{"BOB", "Another Bob", "", "A"} << "E0014" << "bob|bob Name||G";
    }
}

void TestSystemMaintenance::addOperatorCutsAndChecksItsAnswers()
{
    QFETCH(Engine, engine);
    QFETCH(QStringList, answers);
    QFETCH(QString, caption);
    QFETCH(QString, row);
    if (SkipWithoutServer(engine))
        return;
    openScreen(engine);
    QVERIFY(AddOperatorRow("bob", "G"));
    showOperatorsPage();
    for (const QString &answer : answers) {
        if (answer == kCancel)
            m_world->port.cancelInput();
        else
            m_world->port.input(answer);
    }
    m_screen->cmdAddOprt->click();

    QCOMPARE(m_world->port.captions(), caption.isEmpty() ? QStringList() : QStringList{caption});
    QCOMPARE(operatorRow(answers.first().trimmed().left(20)), row);
    QCOMPARE(m_world->port.prompts().first(), QString("Please Input Code\n"));
    if (caption == "E0014") {
        const QString text = m_world->port.boxes().first().text;
        QVERIFY(text.startsWith("Add New Operator Failure\n"));
        QVERIFY(text.endsWith("\nBOB\nAnother Bob\n\nA"));
    }
    if (caption.isEmpty() && !row.isEmpty()) {
        QCOMPARE(m_world->port.prompts().last(), QString("Please Input Type\n\nS: Super Administrator\n\nA: Administrator\n"
                                                   "\nM: Manager\n\nG: General Operator\n"));
        QVERIFY(gridCodes().contains(row.section('|', 0, 0)));
    }
}

void TestSystemMaintenance::removeAsksFirst()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    openScreen(engine);
    QVERIFY(AddOperatorRow("ann", "S"));
    QVERIFY(AddOperatorRow("bob", "G"));
    showOperatorsPage();
    QCOMPARE(gridCodes(), (QStringList{"ann", "bob"}));
    m_screen->GridOperators->setCurrentCell(1, 1);
    QCOMPARE(m_screen->selOperator.GongHao, QString("bob"));
    QVERIFY(m_screen->RadioGenOprt->isChecked());

    m_screen->cmdRemoveOprt->click();
    QCOMPARE(m_world->port.captions(), QStringList{"N9029"});
    QCOMPARE(m_world->port.boxes().first().text, QString("Are you sure to remove the operator?\nbob\nbob Name"));
    QCOMPARE(gridCodes(), (QStringList{"ann", "bob"}));

    m_world->port.answer(BoxAnswer::Ok);
    m_screen->cmdRemoveOprt->click();
    QCOMPARE(gridCodes(), QStringList{"ann"});
    // The last super administrator may go too: the logon brings back "Super".
    m_world->port.answer(BoxAnswer::Ok);
    m_screen->cmdRemoveOprt->click();
    QCOMPARE(gridCodes(), QStringList{""});
    QCOMPARE(m_screen->selOperator.GongHao, QString());
}

void TestSystemMaintenance::modifyOperator_data()
{
    AddEngineColumn();
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("bobRow");
    QTest::addColumn<QString>("newRow"); // "code|name|memo|role" stored under the new code
    const QString bob = "bob|bob Name||G";
    for (Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const QString at = engine == Engine::SQLite ? " sqlite" : " postgresql";
        QTest::newRow(qPrintable("every field" + at)) << engine << QStringList{" rob ", "Robert", "nights", "a"}
                                                      << "" << "" << "rob|Robert|nights|A";
        QTest::newRow(qPrintable("role refused" + at))
            << engine << QStringList{"rob", "Robert", "", "Z"} << "N9028" << bob << "";
        QTest::newRow(qPrintable("empty name stops" + at)) << engine << QStringList{"rob", " "} << "" << bob << "";
        QTest::newRow(qPrintable("cancel stops" + at)) << engine << QStringList{kCancel} << "" << bob << "";
        QTest::newRow(qPrintable("a role row's code refused" + at))
            << engine << QStringList{"proQuanXian_Q"} << "N9026" << bob << "";
        QTest::newRow(qPrintable("a code that exists" + at))
            << engine << QStringList{"ann", "Robert", "", "G"} << "E0017" << bob << "ann|ann Name||S";
    }
}

void TestSystemMaintenance::modifyOperator()
{
    QFETCH(Engine, engine);
    QFETCH(QStringList, answers);
    QFETCH(QString, caption);
    QFETCH(QString, bobRow);
    QFETCH(QString, newRow);
    if (SkipWithoutServer(engine))
        return;
    openScreen(engine);
    QVERIFY(AddOperatorRow("ann", "S"));
    QVERIFY(AddOperatorRow("bob", "G"));
    showOperatorsPage();
    m_screen->GridOperators->setCurrentCell(1, 1);
    for (const QString &answer : answers) {
        if (answer == kCancel)
            m_world->port.cancelInput();
        else
            m_world->port.input(answer);
    }
    m_screen->cmdModiOprt->click();

    QCOMPARE(m_world->port.captions(), caption.isEmpty() ? QStringList() : QStringList{caption});
    QCOMPARE(m_world->port.prompts().first(), QString("Code\n"));
    QCOMPARE(m_world->port.offered().first(), QString("bob"));
    QCOMPARE(operatorRow("bob"), bobRow);
    if (!newRow.isEmpty())
        QCOMPARE(operatorRow(newRow.section('|', 0, 0)), newRow);
    if (caption == "E0017")
        QVERIFY(m_world->port.boxes().first().text.endsWith("\nbob --> ann"));
    // The same grid row is selected again.
    QCOMPARE(m_screen->GridOperators->currentRow(), 1);
}

void TestSystemMaintenance::roleViewIsForSuperAdministrators()
{
    QFETCH(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    openScreen(engine);
    QVERIFY(AddOperatorRow("ann", "A"));
    showOperatorsPage();

    curOperator.QuanXian = "A";
    QTest::keyClick(m_screen->GridOperators, Qt::Key_F5);
    QCOMPARE(gridCodes(), QStringList{"ann"});
    QVERIFY(!m_screen->cmdRemoveOprt->isHidden());

    curOperator.QuanXian = "S";
    QTest::keyClick(m_screen->GridOperators, Qt::Key_F5);
    QCOMPARE(gridCodes(),
             (QStringList{"ann", "proQuanXian_A", "proQuanXian_G", "proQuanXian_M", "proQuanXian_S"}));
    QVERIFY(m_screen->cmdRemoveOprt->isHidden());
    m_screen->GridOperators->setCurrentCell(3, 1);
    QVERIFY(m_screen->RadioSuperAdmin->isChecked());

    // A role row is modified by its rights string alone.
    const QString rights = QString(60, '1') + QString(20, '0');
    m_world->port.input(rights);
    m_screen->cmdModiOprt->click();
    QCOMPARE(m_world->port.prompts(), QStringList{"Memo\n"});
    QCOMPARE(m_world->port.offered(), QStringList{DefaultRights('M')});
    QCOMPARE(operatorRow("proQuanXian_M"), "proQuanXian_M|Manager|" + rights + "|M");
    QVERIFY(m_screen->cmdRemoveOprt->isHidden());
    QCOMPARE(m_screen->GridOperators->currentRow(), 3);
}

QTEST_MAIN(TestSystemMaintenance)
#include "tst_systemmaintenance.moc"
