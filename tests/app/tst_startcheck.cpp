#include "support/testworld.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The installer's check runs the real program with --start-check: it must end
// by itself, whatever it finds, and report a broken start as a failure.
class TestStartCheck : public QObject {
    Q_OBJECT
private slots:
    void failureIsReportedWithoutWaiting_data();
    void failureIsReportedWithoutWaiting();
};

void TestStartCheck::failureIsReportedWithoutWaiting_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstBox"); // the caption of the first box, "" for none
    QTest::newRow("delivered database") << "" << 0 << "";
    QTest::newRow("empty database file") << "empty" << 1 << "E0001";
    QTest::newRow("truncated database file") << "truncate" << 1 << "E0001";
    QTest::newRow("random bytes for a database") << "random" << 1 << "E0001";
    QTest::newRow("operator table dropped") << "drop" << 1 << "E0027";
    QTest::newRow("no encoder library") << "library" << 1 << "E0029";
}

void TestStartCheck::failureIsReportedWithoutWaiting()
{
    QFETCH(QString, damage);
    QFETCH(int, exitCode);
    QFETCH(QString, firstBox);
    TestWorld world({.encoder = true});
    QVERIFY(world.deliverDatabase(Engine::SQLite));
    if (damage == "drop")
        QVERIFY(SqlExec("DROP TABLE OperatorInfo"));
    CloseDatabase();
    const QString database = world.folder.file("Zumerak.MDB");
    if (damage == "empty" || damage == "truncate" || damage == "random") {
        QFile file(database);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (damage == "random") {
            QByteArray noise(8192, '\0');
            for (int i = 0; i < noise.size(); ++i)
                noise[i] = char((i * 7919 + 13) % 251);
            file.write(noise);
        }
        file.resize(damage == "truncate" ? 1024 : damage == "empty" ? 0 : file.size());
    }
    const QString library = damage == "library" ? world.folder.file("missing/libLumtek.so") : SimulatedEncoder::library();
    world.folder.write("System.ini", "[SYSTEM]\nEncoderLibrary=" + library.toUtf8() + "\n");

    QProcess program;
    program.setWorkingDirectory(world.folder.path());
    program.start(ZUMERAK_BIN, {"--start-check"});
    QVERIFY2(program.waitForFinished(30000), "the check waits for an answer");
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(err));
    QVERIFY2(program.exitCode() == exitCode, qPrintable(err));
    // The boxes are "CAPTION: text" lines among whatever else the platform says.
    const QRegularExpression box("^([EN]\\d{4}): ", QRegularExpression::MultilineOption);
    QCOMPARE(box.match(err).captured(1), firstBox);
}

QTEST_GUILESS_MAIN(TestStartCheck)
#include "tst_startcheck.moc"
