#include "core/ini.h"
#include "support/testworld.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TestIni : public QObject {
    Q_OBJECT
private slots:
    void readsLikeTheProfileFunctions_data();
    void readsLikeTheProfileFunctions();
    void missingFileGivesDefaults();
    void noPathIsNoFile();
    void writeKeepsEveryOtherLine();
    void writeAddsKeyAndSection();
    void writeKeepsTheLineEnds_data();
    void writeKeepsTheLineEnds();
    void quotedValueReadsBackAsWritten();
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
    QTest::newRow("double quotes taken off") << QByteArray("[S]\nK=\"a,b\"\n") << "S" << "K" << "a,b";
    QTest::newRow("single quotes taken off") << QByteArray("[S]\nK= ' a b ' \n") << "S" << "K" << " a b ";
    QTest::newRow("one pair only") << QByteArray("[S]\nK=\"\"a\"\"\n") << "S" << "K" << "\"a\"";
    QTest::newRow("quotes that do not match kept") << QByteArray("[S]\nK=\"a'\n") << "S" << "K" << "\"a'";
    QTest::newRow("quote inside kept") << QByteArray("[S]\nK=say \"hi\"\n") << "S" << "K" << "say \"hi\"";
    QTest::newRow("a lone quote kept") << QByteArray("[S]\nK=\"\n") << "S" << "K" << "\"";
    QTest::newRow("empty quotes") << QByteArray("[S]\nK=''\n") << "S" << "K" << "";
    QTest::newRow("commas kept") << QByteArray("[S]\nK=a,b\n") << "S" << "K" << "a,b";
    QTest::newRow("CR line ends") << QByteArray("[A]\rK=1\r[S]\rX=0\rK=v\r") << "S" << "K" << "v";
    QTest::newRow("CR line ends, no final one") << QByteArray("[S]\rK=v") << "S" << "K" << "v";
    QTest::newRow("mixed line ends") << QByteArray("[A]\r\nK=1\n[S]\rK=v\r\n") << "S" << "K" << "v";
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

// Settings that could not find the working folder leave the paths empty; the
// texts then take their defaults without any file being opened.
void TestIni::noPathIsNoFile()
{
    QTest::failOnWarning(QRegularExpression(".*"));
    IniFile ini(QString{});
    QCOMPARE(ini.readString("S", "K", "def"), QString("def"));
    QVERIFY(!ini.writeString("S", "K", "v"));
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

void TestIni::writeKeepsTheLineEnds_data()
{
    QTest::addColumn<QByteArray>("eol");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestIni::writeKeepsTheLineEnds()
{
    QFETCH(QByteArray, eol);
    TestWorld world;
    world.folder.write("x.ini", "[SYSTEM]" + eol + "HotelName=Old" + eol + "TIP=a" + eol);
    IniFile ini(world.folder.file("x.ini"));
    QCOMPARE(ini.readString("SYSTEM", "TIP", ""), QString("a"));
    QVERIFY(ini.writeString("SYSTEM", "HotelName", "New"));
    QFile file(world.folder.file("x.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[SYSTEM]" + eol + "HotelName=New" + eol + "TIP=a" + eol);
}

// The hotel-parameters page writes what the operator typed; quotes the
// operator typed must survive the next read.
void TestIni::quotedValueReadsBackAsWritten()
{
    TestWorld world;
    IniFile ini(world.folder.file("x.ini"));
    for (const QString &value : {QString("\"Grand\""), QString("'a'"), QString("\"a'"), QString("\"")}) {
        QVERIFY(ini.writeString("SYSTEM", "HotelName", value));
        QCOMPARE(IniFile(world.folder.file("x.ini")).readString("SYSTEM", "HotelName", ""), value);
    }
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
    QTest::newRow("quoted") << "\"12\"" << 99;
    QTest::newRow("second sign after a blank") << "- -9223372036854775808" << 99;
    QTest::newRow("second sign after dollar") << "-$ -8000000000000000" << 99;
    QTest::newRow("sign after dollar") << "$-1" << 99;
    QTest::newRow("blank inside") << "1 2" << 99;
    QTest::newRow("most negative 64-bit") << "-9223372036854775808" << 99;
    QTest::newRow("most negative 32-bit") << "-2147483648" << INT_MIN;
    QTest::newRow("below 32 bits") << "-2147483649" << 99;
    QTest::newRow("hex wraps to 32 bits") << "$FFFFFFFF" << -1;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("hex beyond 32 bits") << "$100000000" << 99;
    QTest::newRow("prefix without digits") << "0x" << 99;
}

void TestIni::parsesIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ParseIniInteger(text, 99), expected);
}

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
