#include "logon.h"
#include "qtoperatorport.h"
#include "settings.h"
#include "store/database.h"

#include <QApplication>

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
    return app.exec();
}
