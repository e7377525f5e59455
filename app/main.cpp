#include "logon.h"
#include "qtoperatorport.h"
#include "settings.h"
#include "store/database.h"

#include <QApplication>
#include <QTimer>

#ifndef ZUMERAK_BUILD_FLAG
#error "ZUMERAK_BUILD_FLAG selects the build: 0 file database, 1 database server"
#endif

int main(int argc, char *argv[])
{
    BuildFlag = static_cast<BuildKind>(ZUMERAK_BUILD_FLAG);
    // The application object comes first so that a settings failure can be shown in a box.
    QApplication app(argc, argv);
    QtOperatorPort operatorPort;
    SetOperatorPort(&operatorPort);

    LoadSettings();
    QApplication::setApplicationName(QStringLiteral("Zumerak Management"));

    TfrmLogon logon;
    TData1 data;
    if (data.terminateRequested())
        return 0;
    logon.show();
    // Installers check that the console starts on a machine with this option:
    // it starts as usual, paints the logon window once and ends.
    if (QApplication::arguments().contains(QStringLiteral("--start-check"))) {
        QTimer::singleShot(0, &app, [&logon] {
            logon.repaint();
            QApplication::exit(0);
        });
    }
    return app.exec();
}
