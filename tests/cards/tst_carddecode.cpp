#include "cards/carddecode.h"
#include "core/state.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QTest>

#include <cstring>

// Decoding read buffers the way cards of this and other hotels carry them.
class TestCardDecode : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void decodes_data();
    void decodes();

private:
    std::optional<TestWorld> m_world;
};

namespace {

QString readBuffer(const QString &data)
{
    return (QStringLiteral("551501") + data + QStringLiteral("5A000001")).leftJustified(72, u'0');
}

QDateTime at(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

} // namespace

void TestCardDecode::init()
{
    m_world.emplace(WorldOptions{.database = Engine::SQLite});
    aryRoom = {SampleRoom(1, 2, 3, QStringLiteral("101"))};
    lenAryRoom = 1;
}

void TestCardDecode::cleanup()
{
    m_world.reset();
}

void TestCardDecode::decodes_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("room");
    QTest::addColumn<QDateTime>("issue");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");

    const QDateTime zero = DateTimeZero();
    // Guest card of room 1-101 (lock 001002003), access bolt, Dai 42, issued
    // 15 March 2024 12:30, ending 17 March 2024 12:00.
    QTest::newRow("guest card") << readBuffer("00FF0000" "80030201" "2A" "61" "A37B1E" "A38B00") << QStringList()
                                << QString() << true << 6 << "1-101" << at(2024, 3, 15, 12, 30) << zero
                                << at(2024, 3, 17, 12, 0);
    QTest::newRow("top bits of the low code part")
        << readBuffer("00FFC000" "80030201" "2A" "61" "A37B1E" "A38B00") << QStringList() << QString() << true << 6
        << "1-101" << at(2024, 3, 15, 12, 30) << zero << at(2024, 3, 17, 12, 0);
    QTest::newRow("card of another hotel")
        << readBuffer("00120000" "80030201" "2A" "61" "A37B1E" "A38B00") << QStringList{"N9067"}
        << "Not a card for this system\nFF0000 \n 12 \n 0000" << true << 6 << "1-101" << at(2024, 3, 15, 12, 30)
        << zero << at(2024, 3, 17, 12, 0);
    QTest::newRow("card of another hotel, letters in its code")
        << readBuffer("00AB3C4D" "80030201" "2A" "61" "A37B1E" "A38B00") << QStringList{"N9067"}
        << "Not a card for this system\nFF0000 \n AB \n 3C4D" << true << 6 << "1-101" << at(2024, 3, 15, 12, 30)
        << zero << at(2024, 3, 17, 12, 0);
    QTest::newRow("lock of no room") << readBuffer("00FF0000" "00090909" "01" "20" "A37B1E" "FFFFFF")
                                     << QStringList{"E0022"} << QString() << true << 2 << "Error: 00090909"
                                     << at(2024, 3, 15, 12, 30) << zero << zero;
    // Master card, start 07:50, no issue time, ending in year digit F.
    QTest::newRow("no issue time, year digit F")
        << readBuffer("00FF0000" "003D0000" "01" "B0" "FFFFFF" "F11000") << QStringList() << QString() << true << 11
        << QString() << at(1899, 12, 1, 0, 0) << at(1899, 12, 1, 7, 50) << at(2029, 1, 2, 0, 0);
    QTest::newRow("blank card") << readBuffer(QString(32, u'F')) << QStringList{"N9048"} << QString()
                                << false << 0 << QString() << zero << zero << zero;
    QTest::newRow("not hexadecimal") << readBuffer("00FF0000" "8003G201" "2A" "61" "A37B1E" "A38B00")
                                     << QStringList{"E0042"} << QString() << false << 0 << QString() << zero << zero
                                     << zero;
    QTest::newRow("short buffer") << QStringLiteral("551501FF") << QStringList{"E0042"}
                                  << "System Error---E0042\n\n9\n551501FF" << false << 0 << QString() << zero
                                  << zero << zero;
}

void TestCardDecode::decodes()
{
    QFETCH(QString, buffer);
    QFETCH(QStringList, captions);
    QFETCH(QString, firstText);
    QFETCH(bool, decoded);
    std::strncpy(bufCard, buffer.toLatin1().constData(), kCardBufferSize - 1);
    QCOMPARE(DecodeCard(), decoded);
    QCOMPARE(m_world->port.captions(), captions);
    if (!firstText.isEmpty())
        QCOMPARE(m_world->port.boxes()[0].text, firstText);
    if (firstText.isEmpty() && captions.contains(QStringLiteral("E0042")))
        QVERIFY(m_world->port.boxes()[0].text.contains(QStringLiteral("\n\n%1\n").arg(buffer.indexOf(u'G') + 1)));
    if (!decoded)
        return;
    QTEST(curCard.iType, "kind");
    QTEST(curCard.RoomName, "room");
    QTEST(curCard.IssueTime, "issue");
    QTEST(curCard.StartTime, "start");
    QTEST(curCard.EndTime, "end");
    QCOMPARE(curCard.CardID, buffer.mid(24, 8));
    QCOMPARE(curCard.CardData, buffer.mid(6, 32));
    QCOMPARE(curCard.ID, 0);
}

QTEST_GUILESS_MAIN(TestCardDecode)
#include "tst_carddecode.moc"
