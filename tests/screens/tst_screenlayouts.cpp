#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/lockconfig/lockconfiguration.h"
#include "screens/logon/logon.h"
#include "screens/mainmenu/mainmenu.h"
#include "screens/maintenance/systemmaintenance.h"
#include "screens/receiption/receiption.h"
#include "screens/reports/reports.h"
#include "screens/rooms/roomsdefination.h"
#include "screens/staffcards/keysforstaff.h"
#include "store/rooms.h"
#include "support/readability.h"
#include "support/roomrows.h"
#include "support/testworld.h"
#include "ui/skin.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

// Every screen under every skin and with large fonts: its texts fit their
// controls and stand out from their backgrounds, and Enter presses none of its
// buttons. A new screen joins with one line in screenCases().
class TestScreenLayouts : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void textsFitAndStandOut_data();
    void textsFitAndStandOut();
    void enterPressesNoButton_data();
    void enterPressesNoButton();
    void opensAtItsDesignSize_data();
    void opensAtItsDesignSize();
    void fitsTheScreenAtLargeFonts_data();
    void fitsTheScreenAtLargeFonts();

private:
    void prepare(const QString &skin, int fontHeight);

    std::optional<TestWorld> m_world;
    QWidget *m_screen = nullptr;
};

namespace {

struct ScreenCase {
    const char *name;
    QSize designSize;
    std::function<QWidget *()> open; // makes the screen and shows it as the program does
};

QWidget *shown(QWidget *screen)
{
    screen->show();
    return screen;
}

QWidget *roomsScreen(bool picker)
{
    isSearchLockNo = picker;
    curMenu = picker ? QStringLiteral("Reports") : QStringLiteral("RoomsDefination");
    return shown(new TfrmRoomsDefination);
}

QWidget *maintenanceWithExtraOptions()
{
    QWidget *screen = shown(new TfrmSystemMaintenance);
    QTest::keyClick(screen, Qt::Key_F5);
    return screen;
}

// The screen shown, its kind button pressed and its panel rebuilt for that kind.
template<typename Screen>
QWidget *withKind(QPushButton *Screen::*button)
{
    auto *screen = new Screen;
    shown(screen);
    (screen->*button)->click();
    QTest::qWait(20);
    return screen;
}

const QList<ScreenCase> &screenCases()
{
    static const QList<ScreenCase> cases = {
        {"logon", {706, 482}, [] { return shown(new TfrmLogon); }},
        {"main menu", {639, 521}, [] { return shown(new TfrmMain(nullptr)); }},
        {"buildings and rooms", {854, 626}, [] { return roomsScreen(false); }},
        {"room picker", {854, 626}, [] { return roomsScreen(true); }},
        {"system maintenance", {700, 520}, [] { return maintenanceWithExtraOptions(); }},
        {"front desk", {1051, 710}, [] { return shown(new TfrmReceiption); }},
        {"staff cards, floor card", {640, 540}, [] { return withKind(&TfrmKeysForStaff::cmdFloorCard); }},
        {"staff cards, lost card", {640, 540}, [] { return withKind(&TfrmKeysForStaff::cmdBlackNameCard); }},
        {"lock configuration, system card", {640, 500}, [] { return withKind(&TfrmLockConfiguration::cmdResetCard); }},
        {"lock configuration, room-number card", {640, 500},
         [] { return withKind(&TfrmLockConfiguration::cmdRoomNoSetting); }},
        {"reports", {996, 712}, [] { return shown(new TfrmReports); }},
        {"reports, options", {996, 712}, [] { auto *reports = new TfrmReports; shown(reports); reports->cmdOption->click(); return static_cast<QWidget *>(reports); }},
        {"reports, card picker", {996, 712}, [] { isSearchCardNo = true; QWidget *picker = shown(new TfrmReports); isSearchCardNo = false; return picker; }},
        {"front desk, walk-in panel", {1051, 710}, [] { auto *desk = new TfrmReceiption; shown(desk); desk->cmdWalkIn->click(); return static_cast<QWidget *>(desk); }},
        {"front desk, group check-in", {1051, 710}, [] { auto *desk = new TfrmReceiption; shown(desk); desk->GroupCheckIn->trigger(); QApplication::processEvents(); return static_cast<QWidget *>(desk); }},
        {"front desk, status panel", {1051, 710}, [] { auto *desk = new TfrmReceiption; shown(desk); desk->cmdModiRoomStatus->click(); return static_cast<QWidget *>(desk); }},
    };
    return cases;
}

void addScreenColumn()
{
    QTest::addColumn<int>("screen");
}

void copySkins(const WorkFolder &folder)
{
    const QDir skins(QStringLiteral(ZUMERAK_SKINS_DIR));
    for (const QString &name : skins.entryList({QStringLiteral("*.qss")})) {
        QFile sheet(skins.filePath(name));
        QVERIFY2(sheet.open(QIODevice::ReadOnly), qPrintable(sheet.fileName()));
        folder.write(QStringLiteral("Skins/") + name, sheet.readAll());
    }
}

} // namespace

void TestScreenLayouts::cleanup()
{
    delete m_screen;
    m_screen = nullptr;
    qApp->setStyleSheet(QString());
    m_world.reset();
}

// A property with a building of rooms, a logged-on operator with every right,
// the skin and a configured face at the given height.
void TestScreenLayouts::prepare(const QString &skin, int fontHeight)
{
    QByteArray ini = "[SYSTEM]\nHotelName=Zumerak Grand Hotel\nCompanyName=Zumerak Lock Systems\nSkin=" + skin.toUtf8()
        + "\n";
    if (fontHeight != 0)
        ini += "[FONT]\nName=DejaVu Sans\nSize=12\nHeight=" + QByteArray::number(fontHeight) + "\n";
    m_world.emplace(WorldOptions{.systemIni = ini, .database = Engine::SQLite});
    copySkins(m_world->folder);
    QVERIFY(SqlExec("INSERT INTO BuildingInfo VALUES (1, 'Main Building')"));
    for (int room = 1; room <= 3; ++room)
        QVERIFY(AddRoomRow(SampleRoom(1, 1, room, QStringLiteral("10%1").arg(room))));
    QVERIFY(LoadAryRoom());
    curOperator.GongHao = QStringLiteral("0001");
    curOperator.Name = QStringLiteral("Night Auditor");
    strQX = QString(80, u'1');
    ApplySkin();
}

void TestScreenLayouts::textsFitAndStandOut_data()
{
    addScreenColumn();
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("fontHeight");
    for (int screen = 0; screen < screenCases().size(); ++screen) {
        for (const char *skin : {"", "Cream.qss", "Night.qss"}) {
            for (int height : {-16, -24}) {
                QTest::addRow("%s, %s, height %d", screenCases()[screen].name, *skin ? skin : "no skin", height)
                    << screen << QString::fromLatin1(skin) << height;
            }
        }
    }
}

void TestScreenLayouts::textsFitAndStandOut()
{
    QFETCH(int, screen);
    QFETCH(QString, skin);
    QFETCH(int, fontHeight);
    prepare(skin, fontHeight);
    m_screen = screenCases()[screen].open();
    const QStringList faults = UnreadableTexts(m_screen);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestScreenLayouts::enterPressesNoButton_data()
{
    addScreenColumn();
    for (int screen = 0; screen < screenCases().size(); ++screen)
        QTest::addRow("%s", screenCases()[screen].name) << screen;
}

void TestScreenLayouts::enterPressesNoButton()
{
    QFETCH(int, screen);
    prepare(QString(), 0);
    m_screen = screenCases()[screen].open();
    QCOMPARE(ButtonsPressedByEnter(m_screen), QStringList());
}

void TestScreenLayouts::opensAtItsDesignSize_data()
{
    enterPressesNoButton_data();
}

void TestScreenLayouts::opensAtItsDesignSize()
{
    QFETCH(int, screen);
    prepare(QStringLiteral("Cream.qss"), 0);
    m_screen = screenCases()[screen].open();
    QApplication::processEvents();
    QCOMPARE(m_screen->size(), screenCases()[screen].designSize);
}

void TestScreenLayouts::fitsTheScreenAtLargeFonts_data()
{
    addScreenColumn();
    for (int screen = 0; screen < screenCases().size(); ++screen)
        QTest::newRow(screenCases()[screen].name) << screen;
}

// The desk's smallest screen is 1280 x 1024: with the largest font of the
// settings a screen still fits on it whole.
void TestScreenLayouts::fitsTheScreenAtLargeFonts()
{
    QFETCH(int, screen);
    prepare(QStringLiteral("Cream.qss"), -24);
    m_screen = screenCases()[screen].open();
    QApplication::processEvents();
    const QSize size = m_screen->frameGeometry().size();
    QVERIFY2(size.width() <= 1280 && size.height() <= 1024,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
}

QTEST_MAIN(TestScreenLayouts)
#include "tst_screenlayouts.moc"
