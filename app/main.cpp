#include "core/consoleport.h"
#include "core/settings.h"
#include "screens/logon/logon.h"
#include "screens/mainmenu/mainmenu.h"
#include "screens/lockconfig/lockconfiguration.h"
#include "screens/mainmenu/workscreens.h"
#include "screens/maintenance/systemmaintenance.h"
#include "screens/receiption/receiption.h"
#include "screens/reports/reports.h"
#include "screens/rooms/roomsdefination.h"
#include "screens/staffcards/keysforstaff.h"
#include "store/database.h"
#include "ui/qtoperatorport.h"

#include <QApplication>
#include <QTimer>

#ifndef ZUMERAK_BUILD_FLAG
#error "ZUMERAK_BUILD_FLAG selects the build: 0 file database, 1 database server"
#endif

namespace {

// The work screens this program is built with; the menu opens only these.
void registerWorkScreens()
{
    RegisterWorkScreen(WorkArea::Receiption, [](QWidget *parent) { return new TfrmReceiption(parent); });
    RegisterWorkScreen(WorkArea::RoomsDefination, [](QWidget *parent) { return new TfrmRoomsDefination(parent); });
    RegisterWorkScreen(WorkArea::KeysForStaff, [](QWidget *parent) { return new TfrmKeysForStaff(parent); });
    RegisterWorkScreen(WorkArea::LocksConfiguration,
                       [](QWidget *parent) { return new TfrmLockConfiguration(parent); });
    RegisterWorkScreen(WorkArea::SystemMaintenance,
                       [](QWidget *parent) { return new TfrmSystemMaintenance(parent); });
    RegisterWorkScreen(WorkArea::Reports, [](QWidget *parent) { return new TfrmReports(parent); });
}

} // namespace

int main(int argc, char *argv[])
{
    BuildFlag = static_cast<BuildKind>(ZUMERAK_BUILD_FLAG);
    // The application object comes first so that a settings failure can be shown in a box.
    QApplication app(argc, argv);
    // The program ends when the logon screen closes, and only then: the menu
    // and the work screens come and go while the logon screen is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // Installers check that the console starts on a machine with this option:
    // it starts as usual, paints the logon window once and ends, non-zero when
    // an error box was shown. Nobody is there to answer, so the boxes go to
    // the standard error stream and take their preselected answers.
    const bool startCheck = QApplication::arguments().contains(QStringLiteral("--start-check"));
    QtOperatorPort windowPort;
    ConsolePort consolePort;
    SetOperatorPort(startCheck ? static_cast<OperatorPort *>(&consolePort) : &windowPort);
    const auto checked = [&consolePort](int status) { return consolePort.errorShown() ? 1 : status; };

    LoadSettings();
    QApplication::setApplicationName(QStringLiteral("Zumerak Management"));

    registerWorkScreens();
    TfrmLogon logon;
    TfrmMain mainMenu(&logon);
    logon.setMainMenu(&mainMenu);
    TData1 data;
    if (data.terminateRequested())
        return checked(0);
    logon.show();
    if (startCheck) {
        QTimer::singleShot(0, &app, [&logon] {
            logon.repaint();
            QApplication::exit(0);
        });
    }
    return checked(app.exec());
}
