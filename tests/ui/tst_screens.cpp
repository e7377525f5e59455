#include "core/settings.h"
#include "core/state.h"
#include "screens/logon/logon.h"
#include "support/testworld.h"
#include "ui/fonts.h"
#include "ui/qtoperatorport.h"
#include "ui/skin.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void logonShowsDefaultTexts();
    void logonTakesTextsFromInterfaceTxt();
    void fontsFollowTheFontSection_data();
    void fontsFollowTheFontSection();
    void skinIsTheStyleSheetOfTheSkinsFolder();
    void closingTheLogonEndsTheRun();
    void boxAnsweredWithNoWindowActiveKeepsTheProgramRunning();
};

void TestScreens::logonShowsDefaultTexts()
{
    TestWorld world;
    EncoderMode = 1;
    TfrmLogon logon;
    QCOMPARE(logon.Label3->text(), QString("Welcome to use Zumerak"));
    QCOMPARE(logon.Label1->text(), QString("Code"));
    QCOMPARE(logon.Label2->text(), QString("Password"));
    QCOMPARE(logon.cmdEntry->text(), QString("OK"));
    QCOMPARE(logon.cmdExit->text(), QString("Exit [&X]"));
    QCOMPARE(logon.edtMiMa->toolTip(), QString("Press F1 For Help"));
    QVERIFY(logon.windowTitle().startsWith("Logon   "));
    QCOMPARE(logon.edtMiMa->echoMode(), QLineEdit::Password);
    QCOMPARE(logon.size(), QSize(706, 482));
    QCOMPARE(EncoderMode, -1);
}

void TestScreens::logonTakesTextsFromInterfaceTxt()
{
    TestWorld world({.interfaceTxt = "[LOGON]\nWelcome=Willkommen\nExit=Ende\nTitle=Anmelden\n"});
    TfrmLogon logon;
    QCOMPARE(logon.Label3->text(), QString("Willkommen"));
    QCOMPARE(logon.cmdExit->text(), QString("Ende [&X]"));
    QVERIFY(logon.windowTitle().startsWith("Anmelden   "));
}

void TestScreens::fontsFollowTheFontSection_data()
{
    QTest::addColumn<QByteArray>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("face, size 20, height -16: 16 pixels") << QByteArray("Name=DejaVu Sans\nSize=20\nHeight=-16")
                                                          << "DejaVu Sans" << 16;
    QTest::newRow("face and size only") << QByteArray("Name=DejaVu Sans\nSize=20\nHeight=0") << "DejaVu Sans" << -1;
    QTest::newRow("no face: design font kept") << QByteArray("Name=\nSize=20\nHeight=-30") << "" << 0;
}

void TestScreens::fontsFollowTheFontSection()
{
    QFETCH(QByteArray, font);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    TestWorld world({.systemIni = "[FONT]\n" + font + "\n"});
    QWidget screen;
    auto *label = new QLabel("text", &screen);
    auto *edit = new QLineEdit(&screen);
    const QFont design = label->font();
    ApplyFontSettings(&screen);
    for (QWidget *control : {static_cast<QWidget *>(label), static_cast<QWidget *>(edit)}) {
        if (family.isEmpty()) {
            QCOMPARE(control->font().family(), design.family());
            QCOMPARE(control->font().pointSize(), design.pointSize());
            continue;
        }
        QCOMPARE(control->font().family(), family);
        if (pixelSize > 0) {
            QCOMPARE(control->font().pixelSize(), pixelSize);
        } else {
            QCOMPARE(control->font().pointSize(), 20);
        }
    }
}

void TestScreens::skinIsTheStyleSheetOfTheSkinsFolder()
{
    TestWorld world({.systemIni = "[SYSTEM]\nSkin=Night.qss\n"});
    world.folder.write("Skins/Night.qss", "QWidget { color: #123456; }");
    ApplySkin();
    QCOMPARE(qApp->styleSheet(), QString("QWidget { color: #123456; }"));
    world.folder.write("System.ini", "[SYSTEM]\nSkin=Missing.qss\n");
    LoadSettings();
    ApplySkin();
    QCOMPARE(qApp->styleSheet(), QString());
}

void TestScreens::closingTheLogonEndsTheRun()
{
    TestWorld world({.clock = true});
    TfrmLogon logon;
    logon.show();
    logon.close();
    QCOMPARE(world.clock->waits(), QList<int>{500});
}

// A work screen is open, its menu and the logon hidden, and the focus is in
// another program when the screen asks something; the operator cancels. The
// box belongs to the screen, and the program is still running afterwards.
void TestScreens::boxAnsweredWithNoWindowActiveKeepsTheProgramRunning()
{
    QtOperatorPort port;
    SetOperatorPort(&port);
    QDialog screen;
    // Closing the screen is not the end of the program, so it does not count
    // as its last window; only the box could.
    screen.setAttribute(Qt::WA_QuitOnClose, false);
    // Another program's window, as far as closing the last window goes.
    QWindow elsewhere;
    bool noneActive = false;
    QWidget *boxParent = nullptr;
    std::optional<QString> answer = QStringLiteral("not asked");
    bool stillRunning = false;

    QTimer::singleShot(0, &screen, [&] {
        QTimer::singleShot(0, &screen, [&] {
            elsewhere.setTransientParent(screen.windowHandle());
            elsewhere.show();
            elsewhere.requestActivate();
            QCoreApplication::processEvents();
            noneActive = QApplication::activeWindow() == nullptr;
            QTimer::singleShot(0, &screen, [&] {
                if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                    boxParent = box->parentWidget();
                    box->reject();
                }
            });
            answer = port.inputBox("Insert Room(s)", "To room number\n", "101", false);
            QTimer::singleShot(50, &screen, [&] {
                stillRunning = true;
                screen.reject();
            });
        });
        screen.exec();
        QCoreApplication::quit();
    });
    QTimer::singleShot(10000, &screen, [] { QCoreApplication::exit(1); });
    QCoreApplication::exec();
    SetOperatorPort(nullptr);

    QVERIFY(noneActive);
    QCOMPARE(answer, std::nullopt);
    QVERIFY(stillRunning);
    QCOMPARE(boxParent, &screen);
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
