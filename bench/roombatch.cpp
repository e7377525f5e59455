// Batch room entry: floors 1-16 with rooms 101-1620 (320 rooms), from the
// operator's last answer until every room is in the database and on the
// rooms grid of the editor. Each room is committed on its own, as in use.

#include "core/state.h"
#include "screens/rooms/roomsdefination.h"
#include "store/connection.h"
#include "support/testworld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestWorld world;
    ScriptedPort &port = world.port;

    const QList<Engine> engines = TestServerAvailable() ? QList<Engine>{Engine::SQLite, Engine::PostgreSQL}
                                                        : QList<Engine>{Engine::SQLite};
    for (Engine engine : engines) {
        if (!world.deliverDatabase(engine))
            return 1;
        QSqlQuery(Db()).exec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Tower')"));
        curMenu = QStringLiteral("RoomsDefination");
        isSearchLockNo = false;
        TfrmRoomsDefination screen;
        screen.show();
        port.clear();
        for (const char *answer : {"1-16", "101-1620", "Standard", "288", "0", "0", "3"})
            port.input(QString::fromLatin1(answer));
        QElapsedTimer timer;
        timer.start();
        screen.cmdAddRoom->click();
        const qint64 elapsed = timer.elapsed();
        std::printf("%s: 320 rooms inserted and on the grid in %lld ms (target < 2000 ms), %d rows, %lld boxes\n",
                    engine == Engine::SQLite ? "SQLite" : "PostgreSQL", elapsed, screen.GridRooms->rowCount(),
                    static_cast<long long>(port.boxes().size()));
        CloseDatabase();
    }
    return 0;
}
