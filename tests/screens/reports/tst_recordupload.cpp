#include "cards/encoderlibrary.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/reports/recordlines.h"
#include "screens/reports/recordupload.h"
#include "screens/reports/reportstexts.h"
#include "store/cardregister.h"
#include "support/testworld.h"

#include <QFile>
#include <QTest>

// The records of the collector's lines, and their upload into RecordOpen.
class TestRecordUpload : public QObject {
    Q_OBJECT
private slots:
    void parsesLines_data();
    void parsesLines();
    void openingSeconds_data();
    void openingSeconds();
    void upload_data();
    void upload();
    void cleanup() { m_world.reset(); }

private:
    std::optional<TestWorld> m_world;
};

namespace {

// One collector line of four records.
QString line(const QStringList &records)
{
    return QStringLiteral("A1B2C3") + records.join(QString()) + QStringLiteral("D4E5");
}

QString lines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        QStringList records;
        for (int slot = 0; slot < 4; ++slot)
            records.append(QStringLiteral("%1").arg(i * 4 + slot, 16, 10, QLatin1Char('0')));
        text += line(records);
    }
    return text;
}

// 10:15 on 2 December 2026 packed, then the seconds byte.
QString opening(const QString &secondsByte)
{
    const int value = ((2026 - 2014) << 20) | (12 << 16) | (2 << 11) | (10 << 6) | 15;
    return QStringLiteral("61010000") + QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper() +
           secondsByte;
}

} // namespace

void TestRecordUpload::parsesLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("records");
    QTest::newRow("73 characters") << lines(1).left(73) << 0;
    QTest::newRow("two lines") << lines(2) << 8;
    QTest::newRow("two lines and a part") << lines(2) + lines(1).left(50) << 8;
    QTest::newRow("nine lines") << lines(9) << 36;
}

void TestRecordUpload::parsesLines()
{
    QFETCH(QString, text);
    const QList<LockRecord> records = ParseRecordLines(text);
    QTEST(int(records.size()), "records");
    for (int i = 0; i < records.size(); ++i) {
        QCOMPARE(records[i].RecData, QStringLiteral("%1").arg(i, 16, 10, QLatin1Char('0')));
        QCOMPARE(records[i].OrderFlag, i < 32 ? i + 1 : 0);
        if (i < 19)
            QCOMPARE(records[i].OpenTime, DateTimeZero());
        else if (i < 32)
            QCOMPARE(records[i].OpenTime, DecodeRecordTime(records[i].RecData));
    }
}

void TestRecordUpload::openingSeconds_data()
{
    QTest::addColumn<QString>("secondsByte");
    QTest::addColumn<QTime>("time");
    QTest::newRow("0x0B") << "0B" << QTime(10, 15, 22);
    QTest::newRow("high bits ignored") << "EB" << QTime(10, 15, 22);
    QTest::newRow("30 gives the last second") << "1E" << QTime(10, 15, 59);
    QTest::newRow("31 gives the last second") << "1F" << QTime(10, 15, 59);
}

void TestRecordUpload::openingSeconds()
{
    QFETCH(QString, secondsByte);
    QStringList records;
    for (int i = 0; i < 32; ++i)
        records.append(QString(16, u'0'));
    records.append(opening(secondsByte));
    records.append(QStringLiteral("00000000FFFFFF00"));
    records.append(QString(16, u'0'));
    records.append(QString(16, u'0'));
    QString text;
    for (int i = 0; i < records.size(); i += 4)
        text += line(records.mid(i, 4));
    const QList<LockRecord> parsed = ParseRecordLines(text);
    QCOMPARE(parsed[32].OrderFlag, 0);
    QFETCH(QTime, time);
    QCOMPARE(parsed[32].OpenTime, QDateTime(QDate(2026, 12, 2), time));
    // No time stays the no-time value, which the report shows empty.
    QCOMPARE(parsed[33].OpenTime, NoCardTime());
}

void TestRecordUpload::upload_data()
{
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QList<BoxAnswer>>("answers");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("uploaded");
    QTest::addColumn<int>("rows");

    for (const Engine engine : {Engine::SQLite, Engine::PostgreSQL}) {
        const char *prefix = engine == Engine::SQLite ? "sqlite: " : "postgresql: ";
        const auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s%s", prefix, name); };
        row("card encoder refused") << engine << "encoder" << QList<BoxAnswer>{} << QStringList{"E0052"} << false << 1;
        row("cancel at the first question") << engine << "collector" << QList<BoxAnswer>{BoxAnswer::Cancel}
                                            << QStringList{"N9060"} << false << 1;
        row("read fails") << engine << "collector fail read 7" << QList<BoxAnswer>{BoxAnswer::Ok}
                          << QStringList{"N9060", "E0053"} << false << 1;
        row("cancel at the second question keeps the last upload")
            << engine << "collector" << QList<BoxAnswer>{BoxAnswer::Ok, BoxAnswer::Cancel}
            << QStringList{"N9060", "N9061"} << false << 1;
        row("uploaded") << engine << "collector" << QList<BoxAnswer>{BoxAnswer::Ok, BoxAnswer::Ok}
                        << QStringList{"N9060", "N9061"} << true << 36;
    }
}

void TestRecordUpload::upload()
{
    QFETCH(Engine, engine);
    QFETCH(QString, model);
    QFETCH(QList<BoxAnswer>, answers);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.encoder = true});
    QVERIFY(m_world->deliverDatabase(engine));
    QVERIFY(InsertRecordOpen(1, QStringLiteral("PREVIOUSUPLOAD00"), DateTimeZero()));
    const QString file = m_world->folder.file(QStringLiteral("records.txt"));
    QFile records(file);
    QVERIFY(records.open(QIODevice::WriteOnly));
    records.write(lines(9).toLatin1());
    records.close();
    m_world->encoder->sim(QStringLiteral("records ") + file);
    const QStringList device = model.split(u' ');
    m_world->encoder->sim(QStringLiteral("model ") + device.first());
    if (device.size() > 1)
        m_world->encoder->sim(device.mid(1).join(u' '));
    for (const BoxAnswer answer : answers)
        m_world->port.answer(answer);
    QStringList shown;
    const bool uploaded = UploadLockRecords(ReadReportsTexts(), {[&](const QString &text) { shown.append(text); }, {}});
    QTEST(uploaded, "uploaded");
    QTEST(m_world->port.captions(), "captions");
    QTEST(SqlScalar(QStringLiteral("SELECT COUNT(*) FROM RecordOpen")).toInt(), "rows");
    QCOMPARE(shown.value(0).mid(6, 4), model.startsWith(QLatin1String("collector")) ? QStringLiteral("5737") : QStringLiteral("5137"));
}

QTEST_GUILESS_MAIN(TestRecordUpload)
#include "tst_recordupload.moc"
