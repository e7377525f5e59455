#include "core/sharedtexts.h"
#include "core/texts.h"
#include "support/testworld.h"

#include <QStringEncoder>
#include <QTest>

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutInterfaceTxt();
    void keysReplaceDefaults();
    void cardTypeNamesCutTo50();
    void defaultsAreUtf8SourceText();
    void decodedWithTheCodePageOfCharSet_data();
    void decodedWithTheCodePageOfCharSet();
};

void TestTexts::defaultsWithoutInterfaceTxt()
{
    TestWorld world;
    QCOMPARE(Common.RoomStatus_VC, QString("Vacant"));
    QCOMPARE(Common.RoomStatus_OC_Team, QString("Guest Group"));
    QCOMPARE(Common.sShiDuan, QString("Operation Time: "));
    QCOMPARE(CardTypeNames[0], QString("System Card"));
    QCOMPARE(CardTypeNames[6], QString("Guest Card"));
    QCOMPARE(CardTypeNames[13], QString("Floor Card"));
    QCOMPARE(CardTypeNames[19], QString("Set All Groups"));
    for (int unused : {9, 14, 15})
        QCOMPARE(CardTypeNames[unused], QString("UNKNOWN"));
}

void TestTexts::keysReplaceDefaults()
{
    TestWorld world({.interfaceTxt = "[COMMON]\nRoomStatus_VC=\nmsgNoCard=Karte auflegen\n"
                                     "[LOCKCONFIGURATION]\nSetAllGroups=Alle Gruppen\n"});
    QCOMPARE(Common.RoomStatus_VC, QString(""));
    QCOMPARE(Common.msgNoCard, QString("Karte auflegen"));
    QCOMPARE(Common.RoomStatus_OH, QString("Hour Used"));
    QCOMPARE(CardTypeNames[19], QString("Alle Gruppen"));
    QCOMPARE(InterfaceTexts::section("LOGON")("Welcome", "Welcome to use Zumerak"), QString("Welcome to use Zumerak"));
}

void TestTexts::cardTypeNamesCutTo50()
{
    TestWorld world({.interfaceTxt = "[COMMON]\nType_KeRen=" + QByteArray(60, 'G') + "\n"});
    QCOMPARE(CardTypeNames[6], QString(50, 'G'));
}

void TestTexts::defaultsAreUtf8SourceText()
{
    TestWorld world({.systemIni = "[FONT]\nCharSet=134\n"});
    QCOMPARE(InterfaceTexts::section("MAIN")("Missing", "Zimmer – Küche"), QString::fromUtf8("Zimmer – Küche"));
}

void TestTexts::decodedWithTheCodePageOfCharSet_data()
{
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<int>("charSet");
    QTest::addColumn<bool>("bom");
    QTest::newRow("GBK, CharSet 134") << QByteArray("GBK") << 134 << false;
    QTest::newRow("Big5, CharSet 136") << QByteArray("Big5") << 136 << false;
    QTest::newRow("UTF-8, CharSet 1") << QByteArray("UTF-8") << 1 << false;
    QTest::newRow("byte-order mark wins over CharSet 134") << QByteArray("UTF-8") << 134 << true;
}

void TestTexts::decodedWithTheCodePageOfCharSet()
{
    QFETCH(QByteArray, codePage);
    QFETCH(int, charSet);
    QFETCH(bool, bom);
    const QString vacant = QString::fromUtf8("空房");
    QStringEncoder encoder(codePage.constData());
    QVERIFY(encoder.isValid());
    TestWorld world({.systemIni = "[FONT]\nCharSet=" + QByteArray::number(charSet) + "\n",
                     .interfaceTxt = (bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + "[COMMON]\nRoomStatus_VC="
                         + QByteArray(encoder.encode(vacant)) + "\n"});
    QCOMPARE(Common.RoomStatus_VC, vacant);
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
