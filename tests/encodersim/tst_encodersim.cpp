#include "cards/encodercalls.h"
#include "encodersim/simcard.h"
#include "support/testworld.h"

#include <QLibrary>
#include <QTest>

// The simulated encoder, driven the way the console and the desk drive it: the
// library's calls and the encoder-sim tool on one state folder.
class TestEncoderSim : public QObject {
    Q_OBJECT
private slots:
    void init();
    void packTime_data();
    void packTime();
    void blankCardReadsAsBlank();
    void guestCardFollowsTheReadBufferLayout();
    void staffCardsCarryStartTimeAndArea();
    void readerInfoNamesTheModel_data();
    void readerInfoNamesTheModel();
    void deviceAnswersOnlyInItsMode();
    void injectedFailuresHitTheNextCallOnly();
    void writeFailuresHitTheNextWriteOnly();
    void showPrintsTheWritersConstant();
    void eraseRefusesACardOfAnotherHotel();
    void keptCardsGoBackOnTheEncoder();

private:
    void sim(const QString &arguments) { m_world->encoder->sim(arguments); }
    QString show() { return m_world->encoder->sim(QStringLiteral("show")); }
    QString read();
    template <typename Call> Call call(const char *name);

    std::optional<TestWorld> m_world;
    QLibrary m_library{SimulatedEncoder::library()};
};

namespace {

constexpr int kCoId = 0xFF0000;

} // namespace

template <typename Call> Call TestEncoderSim::call(const char *name)
{
    const auto function = reinterpret_cast<Call>(m_library.resolve(name));
    if (!function)
        qFatal("the simulator lacks %s", name);
    return function;
}

QString TestEncoderSim::read()
{
    char buffer[kCardTextLength + 1] = {};
    if (call<ReadCardCall>("ReadCard")(1, buffer) != 0)
        return QStringLiteral("failed");
    return QString::fromLatin1(buffer);
}

void TestEncoderSim::init()
{
    m_world.emplace(WorldOptions{.encoder = true});
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
}

void TestEncoderSim::packTime_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("packed");
    QTest::newRow("first year") << QByteArray("1401010000") << (1 << 16 | 1 << 11);
    QTest::newRow("last minute of 2029") << QByteArray("2912312359") << (15 << 20 | 12 << 16 | 31 << 11 | 23 << 6 | 59);
    QTest::newRow("2030 has no year digit") << QByteArray("3001010000") << -1;
    QTest::newRow("2013") << QByteArray("1312312359") << -1;
    QTest::newRow("30 February") << QByteArray("2402300000") << -1;
    QTest::newRow("hour 24") << QByteArray("2403012400") << -1;
    QTest::newRow("short") << QByteArray("240301120") << -1;
    QTest::newRow("letters") << QByteArray("24O3011200") << -1;
}

void TestEncoderSim::packTime()
{
    QFETCH(QByteArray, text);
    QFETCH(int, packed);
    const auto result = PackTime(text.constData());
    QCOMPARE(result ? static_cast<int>(*result) : -1, packed);
}

void TestEncoderSim::blankCardReadsAsBlank()
{
    QCOMPARE(read(), QStringLiteral("551500").leftJustified(72, u'0'));
    sim(QStringLiteral("blank"));
    const QString buffer = read();
    QCOMPARE(buffer.size(), 72);
    QCOMPARE(buffer.left(6), QStringLiteral("551501"));
    QCOMPARE(buffer.mid(24, 8), QStringLiteral("FFFFFFFF"));
    QCOMPARE(buffer.mid(38, 8), QStringLiteral("5A000001"));
}

void TestEncoderSim::guestCardFollowsTheReadBufferLayout()
{
    sim(QStringLiteral("blank"));
    char out[kWriteTextLength + 1] = {};
    // Coded 0xC12345: the top two bits of the low part come back as written.
    QCOMPARE(call<GuestCardCall>("GuestCard")(1, 0xC1C345, 9, 0x2A, 1, "2403151230", "2403171200", "001002003", out), 0);
    const QString buffer = read();
    //                 551501 00 C1 C345 | 80 03 02 01 | 2A | 69 packed issue | packed end | serial
    const QString data = QStringLiteral("00C1C345") + QStringLiteral("80030201") + QStringLiteral("2A")
                       + QStringLiteral("69") + QString::asprintf("%.6X", (10 << 20 | 3 << 16 | 15 << 11 | 12 << 6 | 30))
                       + QString::asprintf("%.6X", (10 << 20 | 3 << 16 | 17 << 11 | 12 << 6));
    QCOMPARE(buffer.mid(6, 32), data);
    QCOMPARE(QString::fromLatin1(out), data + QStringLiteral("5A000001"));
    QCOMPARE(QString::fromLatin1(out).mid(18, 8), buffer.mid(24, 8));
}

void TestEncoderSim::staffCardsCarryStartTimeAndArea()
{
    sim(QStringLiteral("blank"));
    char out[kWriteTextLength + 1] = {};
    QCOMPARE(call<AreaCardCall>("FloorCard")(1, kCoId, 15, 3, 0, 127, "2403151230", "0750", "2512312359", "002007",
                                             out),
             0);
    const QString buffer = read();
    QCOMPARE(buffer.mid(14, 8), QStringLiteral("003D0702")); // start 07:50 = 7 * 8 + 5, floor 7, building 2
    QCOMPARE(buffer.mid(24, 2), QStringLiteral("DF"));
    QCOMPARE(call<StaffCardCall>("MasterCard")(1, kCoId, 0, 3, 0, 127, "2403151230", "0760", "2512312359", out), 3);
    QCOMPARE(call<AreaCardCall>("BuildingCard")(1, kCoId, 0, 3, 0, 127, "2403151230", "0700", "2512312359", "2567",
                                                out),
             3);
    QCOMPARE(read(), buffer);
}

void TestEncoderSim::readerInfoNamesTheModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("code");
    QTest::newRow("encoder") << QStringLiteral("encoder") << QStringLiteral("5137");
    QTest::newRow("collector") << QStringLiteral("collector") << QStringLiteral("5737");
}

void TestEncoderSim::readerInfoNamesTheModel()
{
    QFETCH(QString, model);
    QFETCH(QString, code);
    sim(QStringLiteral("model ") + model);
    char info[kReaderInfoLength + 1] = {};
    QCOMPARE(call<IniCardCall>("IniCard")(1, 2, info), 0);
    QCOMPARE(qstrlen(info), uint(kReaderInfoLength));
    QCOMPARE(QString::fromLatin1(info, 2), QStringLiteral("55"));
    QCOMPARE(QString::fromLatin1(info + 6, 4), code);
}

void TestEncoderSim::deviceAnswersOnlyInItsMode()
{
    const auto initialize = call<InitializeUsbCall>("initializeUSB");
    QCOMPARE(initialize(1), 0);
    QVERIFY(initialize(0) != 0);
    sim(QStringLiteral("mode dusb"));
    QVERIFY(initialize(1) != 0);
    QCOMPARE(initialize(0), 0);
    sim(QStringLiteral("unplug"));
    QVERIFY(initialize(0) != 0);
    char buffer[kCardTextLength + 1] = {};
    QVERIFY(call<ReadCardCall>("ReadCard")(0, buffer) != 0);
    sim(QStringLiteral("plug"));
    QCOMPARE(initialize(0), 0);
}

void TestEncoderSim::injectedFailuresHitTheNextCallOnly()
{
    sim(QStringLiteral("blank"));
    sim(QStringLiteral("fail read 17"));
    char buffer[kCardTextLength + 1] = {};
    QCOMPARE(call<ReadCardCall>("ReadCard")(1, buffer), 17);
    QCOMPARE(read().mid(24, 8), QStringLiteral("FFFFFFFF"));

    sim(QStringLiteral("fail write 9"));
    char out[kWriteTextLength + 1] = {};
    const auto checkOut = call<CheckOutCardCall>("CheckOutCard");
    QCOMPARE(checkOut(1, kCoId, 1, 0, "2403151230", out), 9);
    QCOMPARE(read().mid(24, 8), QStringLiteral("FFFFFFFF"));

    sim(QStringLiteral("fail readback"));
    QCOMPARE(read().mid(24, 8), QStringLiteral("FFFFFFFF")); // not before the write
    QCOMPARE(checkOut(1, kCoId, 1, 0, "2403151230", out), 0);
    const QString written = QString::fromLatin1(out).mid(18, 8);
    QVERIFY(read().mid(24, 8) != written);
    QCOMPARE(read().mid(24, 8), written);
}

void TestEncoderSim::writeFailuresHitTheNextWriteOnly()
{
    sim(QStringLiteral("blank"));
    char out[kWriteTextLength + 1] = {};
    const auto checkOut = call<CheckOutCardCall>("CheckOutCard");

    // The card is written, and yet the device answers a failure.
    sim(QStringLiteral("fail written 9"));
    QCOMPARE(checkOut(1, kCoId, 1, 0, "2403151230", out), 9);
    QCOMPARE(read().mid(24, 2), QStringLiteral("71"));
    QCOMPARE(checkOut(1, kCoId, 2, 0, "2403151230", out), 0);

    sim(QStringLiteral("fail kind"));
    QCOMPARE(checkOut(1, kCoId, 3, 0, "2403151230", out), 0);
    QCOMPARE(QString::fromLatin1(out).mid(18, 2), QStringLiteral("83"));
    QCOMPARE(read().mid(24, 2), QStringLiteral("83"));
    QCOMPARE(checkOut(1, kCoId, 4, 0, "2403151230", out), 0);
    QCOMPARE(read().mid(24, 2), QStringLiteral("74"));

    sim(QStringLiteral("fail readback 7"));
    QCOMPARE(read().mid(24, 2), QStringLiteral("74")); // not before the write
    QCOMPARE(checkOut(1, kCoId, 5, 0, "2403151230", out), 0);
    QCOMPARE(read(), QStringLiteral("failed"));
    QCOMPARE(read().mid(24, 2), QStringLiteral("75"));
}

void TestEncoderSim::showPrintsTheWritersConstant()
{
    sim(QStringLiteral("blank"));
    char out[kWriteTextLength + 1] = {};
    QCOMPARE(call<RecordCardCall>("RecordCard")(1, kCoId, 1, 0, 2, "2403151230", out), 0);
    QVERIFY(show().contains(QStringLiteral("\nkind=1\n")));
    QVERIFY(show().contains(QStringLiteral("\nconstant=2\n")));
    QCOMPARE(call<StaffCardCall>("MasterCard")(1, kCoId, 1, 0, 0, 127, "2403151230", "0700", "2512312359", out), 0);
    QVERIFY(show().contains(QStringLiteral("\nconstant=127\n")));
    QCOMPARE(call<CheckOutCardCall>("CheckOutCard")(1, kCoId, 1, 0, "2403151230", out), 0);
    QVERIFY(!show().contains(QStringLiteral("constant=")));
}

void TestEncoderSim::eraseRefusesACardOfAnotherHotel()
{
    sim(QStringLiteral("blank"));
    char out[kWriteTextLength + 1] = {};
    QCOMPARE(call<CheckOutCardCall>("CheckOutCard")(1, 0x120000, 1, 0, "2403151230", out), 0);
    const auto erase = call<CardEraseCall>("CardErase");
    QCOMPARE(erase(1, kCoId, out), 4);
    QCOMPARE(read().mid(24, 1), QStringLiteral("7"));
    QCOMPARE(erase(1, 0x12C000, out), 0); // the top two bits of the low part do not count
    QCOMPARE(read().mid(6, 40), QStringLiteral("F").repeated(32) + QStringLiteral("5A000001"));
}

void TestEncoderSim::keptCardsGoBackOnTheEncoder()
{
    sim(QStringLiteral("blank"));
    char out[kWriteTextLength + 1] = {};
    QCOMPARE(call<CheckOutCardCall>("CheckOutCard")(1, kCoId, 1, 0, "2403151230", out), 0);
    const QString first = read();
    sim(QStringLiteral("blank"));
    QCOMPARE(read().mid(38, 8), QStringLiteral("5A000002"));
    sim(QStringLiteral("take"));
    QCOMPARE(read().left(6), QStringLiteral("551500"));
    sim(QStringLiteral("put 5a000001"));
    QCOMPARE(read(), first);
    QVERIFY(show().contains(QStringLiteral("kind=7\n")));
}

QTEST_GUILESS_MAIN(TestEncoderSim)
#include "tst_encodersim.moc"
