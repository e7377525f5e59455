// The front desk's board of a building with 1,000 rooms (10 floors of 100):
// recounting, refilling the chart's data and repainting the 10 x 10 visible
// slots, drawn on the screen, at every scroll position. Target: under 50 ms each.

#include "core/state.h"
#include "screens/receiption/receiption.h"
#include "store/connection.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestWorld world;
    if (!world.deliverDatabase(Engine::SQLite))
        return 1;
    QSqlQuery(Db()).exec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Tower')"));
    Db().transaction();
    for (int floor = 1; floor <= 10; ++floor) {
        for (int room = 1; room <= 100; ++room) {
            if (!AddRoomRow(SampleRoom(1, floor, room, QString::number(floor * 1000 + room))))
                return 1;
        }
    }
    Db().commit();
    if (!LoadAryRoom())
        return 1;
    strQX = QString(80, u'1');

    TfrmReceiption screen;
    screen.show();
    QApplication::processEvents();
    qint64 worst = 0;
    qint64 total = 0;
    const int positions = screen.ScrlBar1->maximum() + 1;
    for (int position = 0; position < positions; ++position) {
        QElapsedTimer timer;
        timer.start();
        {
            const QSignalBlocker quiet(screen.ScrlBar1);
            screen.ScrlBar1->setValue(position);
        }
        screen.CountBoardRooms();
        screen.FillStatusChart();
        screen.PaintRoomBoard();
        screen.repaint();
        const qint64 elapsed = timer.nsecsElapsed();
        worst = std::max(worst, elapsed);
        total += elapsed;
    }
    std::printf("1000 rooms, %d board rows: count, chart data and repaint in %.2f ms on average, %.2f ms at worst "
                "over %d scroll positions (target < 50 ms)\n",
                screen.boardRows(), total / 1e6 / positions, worst / 1e6, positions);
    CloseDatabase();
    return 0;
}
