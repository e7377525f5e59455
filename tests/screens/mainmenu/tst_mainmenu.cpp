#include "core/abouttext.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/mainmenu/mainmenu.h"
#include "support/testworld.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void rightsEnableTheWorkScreens_data();
    void rightsEnableTheWorkScreens();
    void showsHotelVersionAndOperator();
    void buttonsAreOfOneSize();
    void warnsOnASmallScreenAtEveryShowing();
    void opensOneWorkScreenWithTheMenuHidden();
    void duplicateRoomsKeepTheFrontDeskClosed();
    void f1ShowsTheHelpTexts_data();
    void f1ShowsTheHelpTexts();
    void aboutTextShowsLibraryAndReader_data();
    void aboutTextShowsLibraryAndReader();

private:
    std::optional<TestWorld> m_world;
    QWidget *m_logon = nullptr;
    TfrmMain *m_menu = nullptr;
};

namespace {

// A work screen that notes what it found when it was shown and closes itself.
class FakeWorkScreen : public QDialog {
public:
    explicit FakeWorkScreen(QWidget *menu, QStringList *log)
        : m_menu(menu), m_log(log)
    {
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QDialog::showEvent(event);
        m_log->append(QStringLiteral("%1 menu %2 lock %3 card %4")
                          .arg(curMenu, m_menu->isVisible() ? "shown" : "hidden")
                          .arg(isSearchLockNo)
                          .arg(isSearchCardNo));
        QTimer::singleShot(0, this, &QDialog::accept);
    }

private:
    QWidget *m_menu;
    QStringList *m_log;
};

QStringList withoutScreenWarnings(const QStringList &captions)
{
    QStringList rest;
    for (const QString &caption : captions) {
        if (!caption.startsWith("Screen: "))
            rest.append(caption);
    }
    return rest;
}

} // namespace

void TestMainMenu::init()
{
    m_world.emplace(WorldOptions{.systemIni = "[SYSTEM]\nHotelName=Hotel Adler\nCompanyName=Adler Locks\n"});
    m_logon = new QWidget;
    m_menu = new TfrmMain(m_logon);
}

void TestMainMenu::cleanup()
{
    for (WorkArea area : {WorkArea::Receiption, WorkArea::RoomsDefination, WorkArea::Reports})
        RegisterWorkScreen(area, {});
    delete m_menu;
    delete m_logon;
    m_world.reset();
}

void TestMainMenu::rightsEnableTheWorkScreens_data()
{
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QString>("enabled"); // one character per button, Tag 1 to 6
    QTest::newRow("1 to 6 but 5") << "111101" << "111101";
    QTest::newRow("every character but 0 enables") << "1a 1-1" << "111111";
    QTest::newRow("no role row: 79 times 0") << QString(79, '0') << "000000";
    QTest::newRow("positions beyond a short string count as 0") << "11" << "110000";
    QTest::newRow("empty") << "" << "000000";
}

void TestMainMenu::rightsEnableTheWorkScreens()
{
    QFETCH(QString, rights);
    QFETCH(QString, enabled);
    strQX = rights;
    m_menu->show();
    const QList<QPushButton *> gated = {m_menu->cmdReceiption,        m_menu->cmdRoomsDefination,
                                        m_menu->cmdLocksConfiguration, m_menu->cmdKeysForStaff,
                                        m_menu->cmdSystemMaintenance,  m_menu->cmdReports};
    QString actual;
    for (const QPushButton *button : gated)
        actual += button->isEnabled() ? '1' : '0';
    QCOMPARE(actual, enabled);
    QVERIFY(m_menu->cmdExit->isEnabled());
    QVERIFY(m_menu->cmdAbout->isEnabled());
}

void TestMainMenu::showsHotelVersionAndOperator()
{
    curOperator.Name = "Ann Example";
    m_menu->show();
    QCOMPARE(m_menu->Label1->text(), QString("Hotel Adler"));
    QCOMPARE(m_menu->Label2->text(), QString("Version:"));
    QCOMPARE(m_menu->Label4->text(), QString("HODRA-Q7.27"));
    QCOMPARE(m_menu->Label5->text(), QString("Ann Example"));
    QCOMPARE(m_menu->cmdAbout->text(), QString("Adler Locks"));
    QCOMPARE(m_menu->cmdExit->text(), QString("Exit[&X]"));
    QCOMPARE(prevMenu, QString("Logon"));

    m_menu->close();
    QVERIFY(m_logon->isVisible());
}

void TestMainMenu::buttonsAreOfOneSize()
{
    // The About caption, the company name, is the widest here.
    settings.CompanyName = "Adler Locks and Card Systems, Service Department";
    m_menu->show();
    QApplication::processEvents();
    const QSize size = m_menu->cmdReceiption->size();
    for (const QPushButton *button : m_menu->findChildren<QPushButton *>())
        QCOMPARE(button->size(), size);
    QVERIFY(size.width() >= m_menu->cmdAbout->sizeHint().width());
}

void TestMainMenu::warnsOnASmallScreenAtEveryShowing()
{
    const QSize size = m_menu->screen()->size();
    if (size.width() >= 1024 && size.height() >= 768)
        QSKIP("the test screen is not smaller than 1024 x 768");
    const QString caption = QString("Screen: %1 x %2").arg(size.width()).arg(size.height());
    m_menu->show();
    m_menu->hide();
    m_menu->show();
    QCOMPARE(m_world->port.captions(), (QStringList{caption, caption}));
    QCOMPARE(m_world->port.boxes().first().icon, BoxIcon::Warning);
    QCOMPARE(m_world->port.boxes().first().text, QString("The recommended screen resolution is 1024 x 768 pixels."));
    QVERIFY(m_menu->Label6->isVisible());
}

void TestMainMenu::opensOneWorkScreenWithTheMenuHidden()
{
    QStringList log;
    for (WorkArea area : {WorkArea::RoomsDefination, WorkArea::Reports}) {
        RegisterWorkScreen(area, [this, &log](QWidget *) { return new FakeWorkScreen(m_menu, &log); });
    }
    strQX = QString(80, '1');
    isSearchLockNo = true;
    isSearchCardNo = true;
    m_menu->show();
    m_menu->cmdRoomsDefination->click();
    m_menu->cmdReports->click();
    QCOMPARE(log, (QStringList{"RoomsDefination menu hidden lock 0 card 1", "Reports menu hidden lock 0 card 0"}));
    QVERIFY(m_menu->isVisible());

    // A work screen not built into the program opens nothing.
    m_menu->cmdKeysForStaff->click();
    QCOMPARE(log.size(), 2);
    QCOMPARE(curMenu, QString("Reports"));
    QVERIFY(m_menu->isVisible());
}

void TestMainMenu::duplicateRoomsKeepTheFrontDeskClosed()
{
    QStringList log;
    for (WorkArea area : {WorkArea::Receiption, WorkArea::RoomsDefination})
        RegisterWorkScreen(area, [this, &log](QWidget *) { return new FakeWorkScreen(m_menu, &log); });
    strQX = QString(80, '1');
    hasDuplicateRooms = true;
    m_menu->show();
    m_menu->cmdReceiption->click();
    QCOMPARE(withoutScreenWarnings(m_world->port.captions()), QStringList{"E0023"});
    QCOMPARE(m_world->port.boxes().last().text, Common.ErrRepeatBldRoomNo);
    QVERIFY(log.isEmpty());

    m_menu->cmdRoomsDefination->click();
    QCOMPARE(log.size(), 1);

    hasDuplicateRooms = false;
    m_menu->cmdReceiption->click();
    QCOMPARE(log.size(), 2);
}

void TestMainMenu::f1ShowsTheHelpTexts_data()
{
    QTest::addColumn<QByteArray>("interface");
    QTest::addColumn<QString>("note");
    QTest::newRow("no HELP keys: line breaks only") << QByteArray() << QString(25, '\n');
    QTest::newRow("first and last") << QByteArray("[HELP]\nSoundMsg1=One beep: OK\nSoundMsg13=Last\n")
                                     << "\nOne beep: OK" + QString(24, '\n') + "Last";
}

void TestMainMenu::f1ShowsTheHelpTexts()
{
    QFETCH(QByteArray, interface);
    QFETCH(QString, note);
    m_world->folder.write("Interface.txt", interface);
    m_menu->show();
    m_world->port.clear();
    // F1 works whichever control has the focus.
    QTest::keyClick(m_menu->cmdReports, Qt::Key_F1);
    QCOMPARE(m_world->port.captions(), QStringList{"Note"});
    QCOMPARE(m_world->port.boxes().first().text, note);
}

void TestMainMenu::aboutTextShowsLibraryAndReader_data()
{
    QTest::addColumn<int>("versionResult");
    QTest::addColumn<int>("readerResult");
    QTest::addColumn<QString>("text");
    const QString company = "\n\n+41 1 234\nwww.adler.example\n\nService 24 h";
    QTest::newRow("no encoder") << 0 << -3
                                << "\n    Lumtek 2.1" + QString("8C01") + "\nIniCard(2) Error:    -3" + company;
    QTest::newRow("no library") << 7 << 5 << "GetDLLVersion Error:    7\nIniCard(2) Error:    5" + company;
    QTest::newRow("encoder present")
        << 0 << 0
        << "\n    Lumtek 2.18C01\nReader:\n    ABCDEF5137\n    CC123456\n    789012345678\n    WXYZ\n    "
           + QString("0123456789").repeated(4) + company;
}

void TestMainMenu::aboutTextShowsLibraryAndReader()
{
    QFETCH(int, versionResult);
    QFETCH(int, readerResult);
    QFETCH(QString, text);
    settings.CompanyPhone = "+41 1 234";
    settings.CompanyWeb = "www.adler.example";
    settings.CompanyMisc = "Service 24 h";
    const QString info = "ABCDEF5137" + QString("--") + "123456" + "789012345678" + "WXYZ"
        + QString("0123456789").repeated(4) + "tail";
    QCOMPARE(AboutText(versionResult, "Lumtek 2.1", readerResult, info), text);
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
