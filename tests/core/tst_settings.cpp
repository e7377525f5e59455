#include "core/settings.h"
#include "core/state.h"
#include "support/testworld.h"

#include <QDir>
#include <QStringEncoder>
#include <QTest>

#include <unistd.h>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutSystemIni();
    void valuesFromTheFile_data();
    void valuesFromTheFile();
    void pathsFollowTheCurrentDirectory();
    void rootFolderGetsNoSecondSeparator();
    void versionTextFollowsTheBuild();
    void seedsCardCounterAndClearsReaderInfo();
    void hotelNameInTheCodePageOfCharSet();
    void unknownWorkingFolderShowsE0059();
};

void TestSettings::defaultsWithoutSystemIni()
{
    TestWorld world;
    QVERIFY(world.port.boxes().isEmpty());
    QCOMPARE(settings.CheckBlank, 0);
    QCOMPARE(settings.ClrPrice, 0);
    QCOMPARE(settings.DBBakPath, QDir::currentPath() + "/Kestul_DBBak");
    QCOMPARE(settings.HotelName, QString());
    QCOMPARE(settings.dlsCoID, 16711680);
    QCOMPARE(settings.FlagCheckOut, 0);
    QCOMPARE(settings.CheckOutTime, QString("12:00"));
    QCOMPARE(settings.VIPCheckOutTime, QString("14:00"));
    QCOMPARE(settings.GuestLLock, quint8(1));
    QCOMPARE(settings.BaoJing, quint8(128));
    QCOMPARE(settings.TiShi, quint8(156));
    QCOMPARE(settings.Skin, QString());
    QCOMPARE(settings.FontName, QString());
    QCOMPARE(settings.FontSize, 12);
    QCOMPARE(settings.FontHeight, -16);
    QCOMPARE(settings.FontCharSet, quint8(1));
    QCOMPARE(settings.EncoderLibrary, QString("Lumtek"));
}

void TestSettings::valuesFromTheFile_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("expected");
    QTest::newRow("GuestLLock 257 held as 1") << QByteArray("[SYSTEM]\nGuestLLock=257") << "SYSTEM.GuestLLock=" << "1";
    QTest::newRow("BaoJing low byte") << QByteArray("[SYSTEM]\nBaoJing=448") << "SYSTEM.BaoJing=" << "192";
    QTest::newRow("TiShi low byte") << QByteArray("[SYSTEM]\nTiShi=-1") << "SYSTEM.TiShi=" << "255";
    QTest::newRow("CharSet low byte") << QByteArray("[FONT]\nCharSet=390") << "FONT.CharSet=" << "134";
    QTest::newRow("dlsCoID letters") << QByteArray("[SYSTEM]\ndlsCoID=abcdef") << "SYSTEM.dlsCoID=" << "16711680";
    QTest::newRow("dlsCoID number") << QByteArray("[SYSTEM]\ndlsCoID=1193046") << "SYSTEM.dlsCoID=" << "1193046";
    QTest::newRow("dlsCoID with a second sign") << QByteArray("[SYSTEM]\ndlsCoID=- -9223372036854775808")
                                                << "SYSTEM.dlsCoID=" << "16711680";
    QTest::newRow("dlsCoID hex with a second sign") << QByteArray("[SYSTEM]\ndlsCoID=-$ -8000000000000000")
                                                    << "SYSTEM.dlsCoID=" << "16711680";
    QTest::newRow("dlsCoID in quotes") << QByteArray("[SYSTEM]\ndlsCoID=\"1193046\"") << "SYSTEM.dlsCoID=" << "1193046";
    QTest::newRow("HotelName in quotes") << QByteArray("[SYSTEM]\nHotelName=' Zum, Inn '") << "SYSTEM.HotelName="
                                         << " Zum, Inn ";
    QTest::newRow("CR line ends") << QByteArray("[READONLY]\rCheckBlank=1\r[SYSTEM]\rBaoJing=192\rTiShi=4")
                                  << "SYSTEM.TiShi=" << "4";
    QTest::newRow("Size not a number") << QByteArray("[FONT]\nSize=big") << "FONT.Size=" << "12";
    QTest::newRow("empty CheckOutTime") << QByteArray("[SYSTEM]\nCheckOutTime=") << "SYSTEM.CheckOutTime=" << "";
    QTest::newRow("duplicate key, first wins") << QByteArray("[READONLY]\nCheckBlank=1\nCheckBlank=0")
                                               << "READONLY.CheckBlank=" << "1";
    QTest::newRow("encoder library") << QByteArray("[SYSTEM]\nEncoderLibrary=ZumerakEncoderSim")
                                     << "SYSTEM.EncoderLibrary=" << "ZumerakEncoderSim";
}

void TestSettings::valuesFromTheFile()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, setting);
    QFETCH(QString, expected);
    TestWorld world({.systemIni = line + "\n"});
    const QStringList lines = SettingsLines();
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(setting); });
    QVERIFY(found != lines.end());
    QCOMPARE(*found, setting + expected);
    QVERIFY(world.port.boxes().isEmpty());
}

void TestSettings::pathsFollowTheCurrentDirectory()
{
    TestWorld world({.systemIni = "[SYSTEM]\nHotelName=Here\nSkin=Night.qss\n"});
    const QString work = QDir::currentPath() + "/";
    QCOMPARE(settings.WorkPath, work);
    QCOMPARE(settings.DBFile, work + "Zumerak.MDB");
    QCOMPARE(settings.IniFile, work + "System.ini");
    QCOMPARE(settings.InterfaceFile, work + "Interface.txt");
    QCOMPARE(settings.SkinFile(), work + "Skins/Night.qss");
    QCOMPARE(settings.HotelName, QString("Here"));
}

void TestSettings::rootFolderGetsNoSecondSeparator()
{
    TestWorld world;
    const QString previous = QDir::currentPath();
    QDir::setCurrent("/");
    LoadSettings();
    QDir::setCurrent(previous);
    QCOMPARE(settings.WorkPath, QString("/"));
    QCOMPARE(settings.IniFile, QString("/System.ini"));
}

void TestSettings::versionTextFollowsTheBuild()
{
    TestWorld world;
    QCOMPARE(settings.VersionText, QString("HODRA-Q7.27"));
    BuildFlag = BuildKind::Server;
    LoadSettings();
    QCOMPARE(settings.VersionText, QString("HODRA-Q7.27SQL"));
}

void TestSettings::seedsCardCounterAndClearsReaderInfo()
{
    TestWorld world({.clock = true});
    world.clock->set(QDateTime(QDate(2026, 12, 10), QTime(9, 30, 47)));
    qstrcpy(ReaderInfo, "55xxxx5137");
    LoadSettings();
    QCOMPARE(CardCounter, 47 & 15);
    QCOMPARE(ReaderInfoText(), QString());
    QVERIFY(std::all_of(std::begin(ReaderInfo), std::end(ReaderInfo), [](char c) { return c == 0; }));
}

void TestSettings::hotelNameInTheCodePageOfCharSet()
{
    const QString name = QString::fromUtf8("紫檀酒店");
    QStringEncoder gbk("GBK");
    QVERIFY(gbk.isValid());
    TestWorld world({.systemIni = "[SYSTEM]\nHotelName=" + QByteArray(gbk.encode(name)) + "\n[FONT]\nCharSet=134\n"});
    QCOMPARE(settings.HotelName, name);
}

void TestSettings::unknownWorkingFolderShowsE0059()
{
    TestWorld world;
    const QString previous = QDir::currentPath();
    {
        QTemporaryDir gone;
        QDir::setCurrent(gone.path());
    }
    LoadSettings();
    QDir::setCurrent(previous);
    QCOMPARE(world.port.captions(), QStringList{"E0059"});
    QVERIFY(world.port.boxes().first().text.startsWith("System Error---E0059\n\n"));
    QCOMPARE(world.port.boxes().first().icon, BoxIcon::Error);
    // Read before the failure: kept; not reached: the initial state, not the defaults.
    QCOMPARE(settings.VersionText, QString("HODRA-Q7.27"));
    QCOMPARE(settings.dlsCoID, 0);
    QCOMPARE(settings.CheckOutTime, QString());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
