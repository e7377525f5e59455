#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "support/testworld.h"

#include <QTest>

#include <cstring>

// Opening the encoder and reading the card on it, through the library binding
// on the simulated encoder.
class TestEncoder : public QObject {
    Q_OBJECT
private slots:
    void init() { m_world.emplace(WorldOptions{.encoder = true, .clock = true}); }
    void cleanup() { m_world.reset(); }
    void openEncoder_data();
    void openEncoder();
    void checkEncoderNeedsModeAndReaderInfo_data();
    void checkEncoderNeedsModeAndReaderInfo();
    void readCardOnEncoder_data();
    void readCardOnEncoder();
    void dllVersionSaysSimulator();

private:
    std::optional<TestWorld> m_world;
};

namespace {

void setReaderInfo(const char *text)
{
    ClearReaderInfo();
    std::strncpy(ReaderInfo, text, kReaderInfoSize - 1);
}

} // namespace

void TestEncoder::openEncoder_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("error");
    const QString sim = SimulatedEncoder::library();
    QTest::newRow("Kestul") << sim << "mode kestul" << 1 << QString();
    QTest::newRow("dUSB") << sim << "mode dusb" << 0 << QString();
    QTest::newRow("unplugged") << sim << "unplug" << -1 << "\n1";
    QTest::newRow("library missing") << "NoSuchEncoderLibrary" << "plug" << -1 << "\n-1";
    // Loads by its bare name but has none of the calls.
    QTest::newRow("library lacks the calls") << "sqlite3" << "plug" << -1 << "\n-1";
}

void TestEncoder::openEncoder()
{
    QFETCH(QString, library);
    QFETCH(QString, device);
    QFETCH(int, mode);
    QFETCH(QString, error);
    settings.EncoderLibrary = library;
    m_world->encoder->sim(device);
    EncoderMode = 5;
    OpenEncoder();
    QCOMPARE(EncoderMode, mode);
    if (error.isEmpty()) {
        QVERIFY(m_world->port.boxes().isEmpty());
        return;
    }
    QCOMPARE(m_world->port.captions(), QStringList{"E0029"});
    QCOMPARE(m_world->port.boxes()[0].icon, BoxIcon::Error);
    QCOMPARE(m_world->port.boxes()[0].text, Common.ErrOpenUSB + error);
}

void TestEncoder::checkEncoderNeedsModeAndReaderInfo_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<bool>("usable");
    QTest::newRow("Kestul") << 1 << QByteArray("5501005137") << true;
    QTest::newRow("only the marker") << 1 << QByteArray("55") << true;
    QTest::newRow("no encoder") << -1 << QByteArray("5501005137") << false;
    QTest::newRow("reader information never read") << 1 << QByteArray() << false;
    QTest::newRow("invalid reader information") << 1 << QByteArray("5401005137") << false;
}

void TestEncoder::checkEncoderNeedsModeAndReaderInfo()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, info);
    QFETCH(bool, usable);
    EncoderMode = mode;
    setReaderInfo(info.constData());
    m_world->encoder->sim(QStringLiteral("blank"));
    QCOMPARE(CheckEncoder(), usable);
    QCOMPARE(m_world->port.captions(), usable ? QStringList() : QStringList{"E0030"});
    // A failed check reads nothing: the library is not called.
    QCOMPARE(ReadCardOnEncoder(), usable);
    QCOMPARE(m_world->clock->waits(), usable ? QList<int>{200} : QList<int>());
    QCOMPARE(curCard.CardID, usable ? QStringLiteral("FFFFFFFF") : QString());
}

void TestEncoder::readCardOnEncoder_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("blank card") << "blank" << QString() << QString();
    QTest::newRow("no card") << "take" << "N9040"
                             << "\n" + QStringLiteral("Please check the card on the Encoder.") + "\n\n551500"
                                    + QString(66, u'0');
    QTest::newRow("read refused") << "fail read 7" << "E0031" << Common.ErrReadCard + "\n7";
    QTest::newRow("unplugged") << "unplug" << "E0031" << Common.ErrReadCard + "\n1";
}

void TestEncoder::readCardOnEncoder()
{
    QFETCH(QString, device);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    m_world->encoder->sim(QStringLiteral("blank"));
    m_world->encoder->sim(device);
    EncoderMode = 1;
    setReaderInfo("5501005137");
    QCOMPARE(ReadCardOnEncoder(), caption.isEmpty());
    QCOMPARE(m_world->clock->waits(), QList<int>{200});
    if (caption.isEmpty()) {
        QVERIFY(m_world->port.boxes().isEmpty());
        QCOMPARE(curCard.CardID, QStringLiteral("FFFFFFFF"));
        QCOMPARE(BufCardText().size(), 72);
        return;
    }
    QCOMPARE(m_world->port.captions(), QStringList{caption});
    QCOMPARE(m_world->port.boxes()[0].icon, caption.startsWith(u'E') ? BoxIcon::Error : BoxIcon::Warning);
    QCOMPARE(m_world->port.boxes()[0].text, text);
    QCOMPARE(curCard.CardID, QString());
}

void TestEncoder::dllVersionSaysSimulator()
{
    char version[Encoder::kVersionSize];
    QCOMPARE(Encoder::GetDLLVersion(version), 0);
    QVERIFY(QString::fromLatin1(version).contains(QStringLiteral("simulator")));
    settings.EncoderLibrary = QStringLiteral("NoSuchEncoderLibrary");
    QCOMPARE(Encoder::GetDLLVersion(version), Encoder::kEncoderMissing);
    QCOMPARE(version[0], '\0');
}

QTEST_GUILESS_MAIN(TestEncoder)
#include "tst_encoder.moc"
