// Start-up time of the console: from process start until the logon window has
// been painted, with a delivered database of 500 rooms in the working folder
// and the simulated encoder, which the logon screen opens and greets.
// Runs the real program (with --start-check) several times and prints the
// fastest and the median run.

#include "store/connection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 15;
constexpr int kBuildings = 5;
constexpr int kFloors = 10;
constexpr int kRoomsPerFloor = 10;

bool run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool addRooms(const QString &folder)
{
    QString error;
    if (!OpenFileDatabase(folder + QStringLiteral("/Zumerak.MDB"), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    QSqlDatabase db = Db();
    db.transaction();
    QSqlQuery room(db);
    room.prepare(QStringLiteral("INSERT INTO RoomInfo VALUES(:a,:b,:c,:d,:e,'Standard','Vacant','288.0000',0,0,3,0,'',"
                                ":f,:f,'0.0000','0.0000')"));
    const QDateTime none(QDate(1899, 12, 30), QTime(0, 0));
    for (int b = 1; b <= kBuildings; ++b) {
        for (int f = 1; f <= kFloors; ++f) {
            for (int r = 1; r <= kRoomsPerFloor; ++r) {
                room.bindValue(QStringLiteral(":a"), b);
                room.bindValue(QStringLiteral(":b"), f);
                room.bindValue(QStringLiteral(":c"), r);
                room.bindValue(QStringLiteral(":d"), r);
                room.bindValue(QStringLiteral(":e"), QStringLiteral("%1%2").arg(f).arg(r, 2, 10, QLatin1Char('0')));
                room.bindValue(QStringLiteral(":f"), none);
                if (!room.exec()) {
                    std::fprintf(stderr, "%s\n", qPrintable(room.lastError().text()));
                    return false;
                }
            }
        }
    }
    const bool ok = db.commit();
    CloseDatabase();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!run(QStringLiteral(ZUMERAK_ADMIN), {QStringLiteral("init")}, folder.path()) || !addRooms(folder.path())) {
        std::fprintf(stderr, "cannot prepare the working folder\n");
        return 1;
    }
    QFile ini(folder.filePath(QStringLiteral("System.ini")));
    if (!ini.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write System.ini\n");
        return 1;
    }
    ini.write("[SYSTEM]\nEncoderLibrary=" ZUMERAK_ENCODER_SIM "\n");
    ini.close();
    qputenv("ZUMERAK_ENCODER_SIM_DIR", folder.filePath(QStringLiteral("EncoderSim")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QList<qint64> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!run(QStringLiteral(ZUMERAK_BIN), {QStringLiteral("--start-check")}, folder.path())) {
            std::fprintf(stderr, "the console did not start cleanly\n");
            return 1;
        }
        times.append(timer.elapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to logon window, %d rooms, %d runs: fastest %lld ms, median %lld ms (target < 500 ms)\n",
                kBuildings * kFloors * kRoomsPerFloor, kRuns, times.first(), times[kRuns / 2]);
    return 0;
}
