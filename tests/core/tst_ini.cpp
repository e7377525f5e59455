#include "core/ini.h"
#include "support/testworld.h"

#include <QFile>
#include <QTest>

class TestIni : public QObject {
    Q_OBJECT
private slots:
    void readsLikeTheProfileFunctions_data();
    void readsLikeTheProfileFunctions();
    void missingFileGivesDefaults();
    void writeKeepsEveryOtherLine();
    void writeAddsKeyAndSection();
    void parsesIntegers_data();
    void parsesIntegers();
};

void TestIni::readsLikeTheProfileFunctions_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("[SYSTEM]\nHotelName=Zum\n") << "SYSTEM" << "HotelName" << "Zum";
    QTest::newRow("names in any case") << QByteArray("[system]\nhotelname=Zum\n") << "SYSTEM" << "HotelName" << "Zum";
    QTest::newRow("blanks around value trimmed") << QByteArray("[S]\n  K =  a b  \r\n") << "S" << "K" << "a b";
    QTest::newRow("first key wins") << QByteArray("[S]\nK=1\nK=2\n") << "S" << "K" << "1";
    QTest::newRow("first section wins") << QByteArray("[S]\nA=1\n[S]\nK=2\n") << "S" << "K" << "def";
    QTest::newRow("key of another section") << QByteArray("[A]\nK=1\n[S]\n") << "S" << "K" << "def";
    QTest::newRow("present but empty") << QByteArray("[S]\nK=\n") << "S" << "K" << "";
    QTest::newRow("quotes and commas kept") << QByteArray("[S]\nK=\"a,b\"\n") << "S" << "K" << "\"a,b\"";
    QTest::newRow("line without equals skipped") << QByteArray("[S]\njunk line\nK=v\n") << "S" << "K" << "v";
    QTest::newRow("equals in the value") << QByteArray("[S]\nK=a=b\n") << "S" << "K" << "a=b";
    QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[\x01\n=\n[S\nK=v\n", 16) << "S" << "K" << "v";
    QTest::newRow("very long line") << (QByteArray("[S]\nX=") + QByteArray(1 << 20, 'x') + "\nK=v\n") << "S" << "K" << "v";
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF[S]\nK=v\n") << "S" << "K" << "v";
}

void TestIni::readsLikeTheProfileFunctions()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestWorld world;
    world.folder.write("x.ini", content);
    QCOMPARE(IniFile(world.folder.file("x.ini")).readString(section, key, "def"), expected);
}

void TestIni::missingFileGivesDefaults()
{
    TestWorld world;
    const IniFile ini(world.folder.file("none.ini"));
    QCOMPARE(ini.readString("S", "K", "def"), QString("def"));
    QCOMPARE(ini.readInteger("S", "K", 7), 7);
}

void TestIni::writeKeepsEveryOtherLine()
{
    TestWorld world;
    world.folder.write("x.ini", "; hotel settings\r\n[SYSTEM]\r\nHotelName = Old\r\nTIP=1.2.3.4\r\n\r\n[FONT]\r\nSize=12\r\n");
    IniFile ini(world.folder.file("x.ini"));
    QVERIFY(ini.writeString("system", "hotelname", "New, \"quoted\""));
    QFile file(world.folder.file("x.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("; hotel settings\r\n[SYSTEM]\r\nHotelName=New, \"quoted\"\r\nTIP=1.2.3.4\r\n\r\n"
                                        "[FONT]\r\nSize=12\r\n"));
}

void TestIni::writeAddsKeyAndSection()
{
    TestWorld world;
    world.folder.write("x.ini", "[SYSTEM]\nTIP=a\n\n[FONT]\nSize=12\n");
    IniFile ini(world.folder.file("x.ini"));
    QVERIFY(ini.writeString("SYSTEM", "TUIP", "sa"));
    QVERIFY(ini.writeInteger("READONLY", "CheckBlank", 1));
    QFile file(world.folder.file("x.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[SYSTEM]\nTIP=a\nTUIP=sa\n\n[FONT]\nSize=12\n\n[READONLY]\nCheckBlank=1\n"));
    const IniFile reread(world.folder.file("x.ini"));
    QCOMPARE(reread.readString("SYSTEM", "TUIP", ""), QString("sa"));
    QCOMPARE(reread.readInteger("READONLY", "CheckBlank", 0), 1);
}

void TestIni::parsesIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "16711680" << 16711680;
    QTest::newRow("negative") << "-16" << -16;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("dollar hex") << "$FF0000" << 0xFF0000;
    QTest::newRow("0x hex") << "0xff" << 255;
    QTest::newRow("letters") << "abc" << 99;
    QTest::newRow("trailing letters") << "12a" << 99;
    QTest::newRow("empty") << "" << 99;
    QTest::newRow("too large") << "4294967296" << 99;
    QTest::newRow("double sign") << "--1" << 99;
    QTest::newRow("decimal point") << "1.5" << 99;
}

void TestIni::parsesIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ParseIniInteger(text, 99), expected);
}

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
