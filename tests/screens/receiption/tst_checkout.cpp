#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/carderase.h"
#include "screens/receiption/cardinformation.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/groups.h"
#include "screens/receiption/guestcard.h"
#include "screens/receiption/stayrules.h"
#include "screens/receiption/walkin.h"
#include "store/database.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "support/roomrows.h"
#include "support/testworld.h"

#include <QSqlQuery>
#include <QTest>

// Ending stays and handling the card in hand at the front desk, on the
// simulated encoder: check-out without and with card, card erase and card
// information.
class TestCheckOut : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() { AddEngineColumn(); AddEngineRows(); }
    void init();
    void cleanup() { m_world.reset(); }
    void checksOutWithoutCard_data();
    void checksOutWithoutCard();
    void checkOutKeepsALaterReservation();
    void refusesWithoutCard_data();
    void refusesWithoutCard();
    void checksOutWithCard();
    void swappedCardIsNotErased();
    void refusesCardsThatAreNoGuestCards_data();
    void refusesCardsThatAreNoGuestCards();
    void erasesCards_data();
    void erasesCards();
    void showsCardInformation();
    void typedCardID();

private:
    // Issues a walk-in card for name in the room at index on a new blank card.
    void issue(int index, const QString &name);
    // curRoom and the panel's guest list for the room at index, as the walk-in panel shows it.
    void showRoom(int index);
    QString value(const QString &column, const QString &where) const
    {
        return SqlScalar(QStringLiteral("SELECT %1 FROM %2").arg(column, where)).toString();
    }
    // Takes the card off the encoder and returns the serial it is kept under.
    QString takeCard() const
    {
        const QStringList before = m_world->encoder->sim(QStringLiteral("cards")).split(u'\n', Qt::SkipEmptyParts);
        m_world->encoder->sim(QStringLiteral("take"));
        for (const QString &serial : m_world->encoder->sim(QStringLiteral("cards")).split(u'\n', Qt::SkipEmptyParts)) {
            if (!before.contains(serial))
                return serial.trimmed();
        }
        return QString();
    }
    bool cardIsBlank() const { return m_world->encoder->sim(QStringLiteral("show")).contains(QLatin1String("FFFFFFFF")); }

    std::optional<TestWorld> m_world;
    DeskTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0));
const QDateTime kTomorrowNoon(QDate(2026, 12, 11), QTime(12, 0));

} // namespace

void TestCheckOut::init()
{
    QFETCH_GLOBAL(Engine, engine);
    if (SkipWithoutServer(engine))
        return;
    m_world.emplace(WorldOptions{.encoder = true, .clock = true});
    QVERIFY(m_world->deliverDatabase(engine));
    m_world->clock->set(kNow);
    curOperator.GongHao = QStringLiteral("007");
    m_texts = ReadDeskTexts();
    QVERIFY(m_world->openEncoder());
    QVERIFY(SqlExec(QStringLiteral("INSERT INTO BuildingInfo VALUES (1, 'Main')")));
    QVERIFY(AddRoomRow(SampleRoom(1, 1, 1, QStringLiteral("101"))));
    QVERIFY(AddRoomRow(SampleRoom(1, 1, 2, QStringLiteral("102"))));
    QVERIFY(LoadAryRoom());
    curBld = {1, QStringLiteral("Main")};
}

void TestCheckOut::showRoom(int index)
{
    ptrAryRoom = index;
    curRoom = aryRoom[index];
    LoadRoomGuests(curRoom.BldRoomNo);
}

void TestCheckOut::issue(int index, const QString &name)
{
    m_world->encoder->sim(QStringLiteral("blank"));
    curMenu = QStringLiteral("WalkIn");
    showRoom(index);
    IssueRequest request;
    request.roomNoText = curRoom.BldRoomNo;
    request.guest.name = name;
    request.guest.cNo = QStringLiteral("P") + name;
    ptrAryGuest = -1;
    for (int i = 0; i < lenAryGuest; ++i) {
        if (aryGuest[i].Name == name) {
            ptrAryGuest = i;
            curGuest = aryGuest[i];
            request.guest.listedGuest = true;
            request.guest.checkIn = DateTimeText(aryGuest[i].ComeTime);
        }
    }
    request.checkOut = kTomorrowNoon;
    request.cover = CoverTickedFor(curRoom);
    m_world->port.answer(BoxAnswer::Ok);
    QVERIFY(IssueGuestCard(request, m_texts));
    m_world->port.clear();
}

void TestCheckOut::checksOutWithoutCard_data()
{
    QTest::addColumn<QStringList>("guests"); // the cards issued for 1-101, in order
    QTest::addColumn<int>("flagCheckOut");
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<QString>("flags"); // of the stay rows, in order
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<RoomStatus>("status");
    QTest::newRow("a guest and a copy of the card") << QStringList{"Anna", "Anna"} << 0 << "Anna"
                                                   << "CheckOut CheckOut" << 0 << RoomStatus::VC;
    QTest::newRow("two guests, one leaves") << QStringList{"Anna", "Bert"} << 0 << "Anna" << "CheckOut WalkIn" << 1
                                            << RoomStatus::OC_WalkIn;
    QTest::newRow("rooms are cleaned after a stay") << QStringList{"Anna"} << 1 << "Anna" << "CheckOut" << 0
                                                    << RoomStatus::VD;
}

void TestCheckOut::checksOutWithoutCard()
{
    QFETCH(QStringList, guests);
    QFETCH(int, flagCheckOut);
    QFETCH(QString, leaving);
    QFETCH(QString, flags);
    QFETCH(int, cardCount);
    QFETCH(RoomStatus, status);
    settings.FlagCheckOut = flagCheckOut;
    for (const QString &guest : guests)
        issue(0, guest);
    QVERIFY(SqlExec(QStringLiteral("UPDATE RoomInfo SET BeiZhu='late arrival'")));
    aryRoom[0].BeiZhu = QStringLiteral("late arrival");
    showRoom(0);
    m_world->port.answer(BoxAnswer::Yes);
    QVERIFY(CheckOutWithoutCard(QStringLiteral("1-101"), leaving, m_texts));
    QCOMPARE(m_world->port.captions(), (QStringList{"QUERY?", "N9039"}));
    QCOMPARE(m_world->port.boxes()[1].text,
             QStringLiteral("\nCheck-out without card successfully\n\nRoom No.:  1-101\nName:  ") + leaving);

    QStringList stored;
    QSqlQuery rows(Db());
    QVERIFY(rows.exec(QStringLiteral("SELECT Flag FROM GuestInfo ORDER BY ID")));
    while (rows.next())
        stored << rows.value(0).toString();
    QCOMPARE(stored.join(u' '), flags);
    QCOMPARE(aryRoom[0].CardCount, cardCount);
    QCOMPARE(aryRoom[0].Status, RoomStatusText(status));
    QCOMPARE(value("CardCount", "RoomInfo WHERE RomID=1").toInt(), cardCount);
    QCOMPARE(value("Status", "RoomInfo WHERE RomID=1"), RoomStatusText(status));
    // A vacated room loses its memo; an occupied one keeps it.
    QCOMPARE(aryRoom[0].BeiZhu.isEmpty(), cardCount == 0);
    QVERIFY(isNeedRefreshRooms);
}

void TestCheckOut::checkOutKeepsALaterReservation()
{
    issue(0, QStringLiteral("Anna"));
    ReservationRequest later;
    later.rooms = {QStringLiteral("1-101")};
    later.holder.name = QStringLiteral("Anna");
    later.holder.cNo = QStringLiteral("PAnna");
    later.checkIn = kNow.addDays(20);
    later.checkOut = kNow.addDays(22);
    QVERIFY(MakeReservation(later, m_texts));
    showRoom(0);
    m_world->port.clear();
    m_world->port.answer(BoxAnswer::Yes);
    QVERIFY(CheckOutWithoutCard(QStringLiteral("1-101"), QStringLiteral("Anna"), m_texts));
    QCOMPARE(value("Flag", "GuestInfo WHERE Flag<>'CheckOut'"), QStringLiteral("Reservation"));
    QCOMPARE(aryRoom[0].ReservCkIn, kNow.addDays(20));
}

void TestCheckOut::refusesWithoutCard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<BoxAnswer>("answer");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("the operator says no") << "Anna" << BoxAnswer::No << QStringList{"QUERY?"};
    QTest::newRow("no name") << " " << BoxAnswer::Yes << QStringList{"QUERY?", "N9046"};
    QTest::newRow("a name that is no guest of the room") << "Zoe" << BoxAnswer::Yes << QStringList{"QUERY?", "N9046"};
}

void TestCheckOut::refusesWithoutCard()
{
    QFETCH(QString, name);
    QFETCH(BoxAnswer, answer);
    QFETCH(QStringList, captions);
    issue(0, QStringLiteral("Anna"));
    showRoom(0);
    m_world->port.answer(answer);
    QVERIFY(!CheckOutWithoutCard(QStringLiteral("1-101"), name, m_texts));
    QCOMPARE(m_world->port.captions(), captions);
    QCOMPARE(value("Flag", "GuestInfo"), QStringLiteral("WalkIn"));
    QCOMPARE(value("CardCount", "RoomInfo WHERE RomID=1"), QStringLiteral("1"));
    QCOMPARE(aryRoom[0].CardCount, 1);
}

void TestCheckOut::checksOutWithCard()
{
    issue(0, QStringLiteral("Anna"));
    const QString cardData = curCard.CardData;
    curRoom = TRoomInfo();
    QVERIFY(ReadGuestCard(m_texts));
    QCOMPARE(curGuest.Name, QStringLiteral("Anna"));
    QCOMPARE(curRoom.BldRoomNo, QStringLiteral("1-101"));
    QCOMPARE(CardDataOfBufCard(), cardData);

    QVERIFY(CheckOutWithCard(cardData, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{"N9045"});
    QVERIFY(cardIsBlank());
    QCOMPARE(value("Status", "CardInfo WHERE CardData='" + cardData + "'"), Common.CardStatus_Erased);
    QCOMPARE(value("Flag", "GuestInfo"), QStringLiteral("CheckOut"));
    QCOMPARE(value("Status", "RoomInfo WHERE RomID=1"), Common.RoomStatus_VC);
    QCOMPARE(aryRoom[0].CardCount, 0);
}

void TestCheckOut::swappedCardIsNotErased()
{
    issue(0, QStringLiteral("Anna"));
    const QString annasCard = curCard.CardData;
    const QString annasSerial = takeCard();
    issue(1, QStringLiteral("Bert"));
    const QString bertsCard = curCard.CardData;
    const QString bertsSerial = takeCard();

    // The check-out begins with Anna's card; then Bert's card lies on the encoder.
    m_world->encoder->sim(QStringLiteral("put ") + annasSerial);
    QVERIFY(ReadGuestCard(m_texts));
    m_world->encoder->sim(QStringLiteral("take"));
    m_world->encoder->sim(QStringLiteral("put ") + bertsSerial);
    QVERIFY(!CheckOutWithCard(annasCard, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{"N9069"});
    QVERIFY(!cardIsBlank());
    for (const QString &card : {annasCard, bertsCard})
        QVERIFY(value("Status", "CardInfo WHERE CardData='" + card + "'") != Common.CardStatus_Erased);
    QCOMPARE(value("COUNT(*)", "GuestInfo WHERE Flag='WalkIn'"), QStringLiteral("2"));

    // With Anna's card back, her check-out goes through and Bert's card still works.
    m_world->port.clear();
    m_world->encoder->sim(QStringLiteral("take"));
    m_world->encoder->sim(QStringLiteral("put ") + annasSerial);
    QVERIFY(CheckOutWithCard(annasCard, m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{"N9045"});
    QVERIFY(cardIsBlank());
    QCOMPARE(value("Status", "CardInfo WHERE CardData='" + annasCard + "'"), Common.CardStatus_Erased);
    QVERIFY(value("Status", "CardInfo WHERE CardData='" + bertsCard + "'") != Common.CardStatus_Erased);
    QCOMPARE(value("Flag", "GuestInfo WHERE Name='Bert'"), QStringLiteral("WalkIn"));
}

void TestCheckOut::refusesCardsThatAreNoGuestCards_data()
{
    QTest::addColumn<bool>("unknown"); // a guest card the register does not know, else a blank card
    QTest::addColumn<QString>("caption");
    QTest::newRow("a blank card") << false << "N9042";
    QTest::newRow("a guest card without its stay") << true << "N9043";
}

void TestCheckOut::refusesCardsThatAreNoGuestCards()
{
    QFETCH(bool, unknown);
    QFETCH(QString, caption);
    if (unknown) {
        issue(0, QStringLiteral("Anna"));
        QVERIFY(SqlExec(QStringLiteral("DELETE FROM GuestInfo")));
    }
    QVERIFY(!ReadGuestCard(m_texts));
    QCOMPARE(m_world->port.captions(), QStringList{caption});
}

void TestCheckOut::erasesCards_data()
{
    QTest::addColumn<bool>("direct");
    QTest::addColumn<BoxAnswer>("answer");
    QTest::addColumn<bool>("erased");
    QTest::newRow("read, erased and marked") << false << BoxAnswer::Ok << true;
    QTest::newRow("direct erase, the register untouched") << true << BoxAnswer::Ok << true;
    QTest::newRow("the operator cancels") << false << BoxAnswer::Cancel << false;
}

void TestCheckOut::erasesCards()
{
    QFETCH(bool, direct);
    QFETCH(BoxAnswer, answer);
    QFETCH(bool, erased);
    issue(0, QStringLiteral("Anna"));
    const QString cardData = curCard.CardData;
    fDirectCardErase = direct;
    // A direct erase reads nothing: a read would fail now.
    if (direct)
        m_world->encoder->sim(QStringLiteral("fail read 7"));
    m_world->port.answer(answer);
    QCOMPARE(EraseCardAtDesk(m_texts), erased);
    QCOMPARE(m_world->port.captions(), (erased ? QStringList{"N9068", "N9047"} : QStringList{"N9068"}));
    QCOMPARE(cardIsBlank(), erased);
    const bool marked = erased && !direct;
    QCOMPARE(value("Status", "CardInfo WHERE CardData='" + cardData + "'") == Common.CardStatus_Erased, marked);
    // The stay and the room are the check-out's business, not the erase's.
    QCOMPARE(value("Flag", "GuestInfo"), QStringLiteral("WalkIn"));
    QCOMPARE(value("CardCount", "RoomInfo WHERE RomID=1"), QStringLiteral("1"));
}

void TestCheckOut::showsCardInformation()
{
    issue(0, QStringLiteral("Anna"));
    QVERIFY(ReadCardInformation(false));
    ShowCardInformationBox(ReadCardInfoTexts());
    QCOMPARE(m_world->port.captions(), QStringList{"N9055---6"});
    const QString text = m_world->port.boxes()[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("\nGuest Card [") + curCard.CardID + QStringLiteral("]\n\nDate of Issue:  "
                                                                                               "2026-12-10 10:00")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\n\nDate of Expiry:  2026-12-11 12:00\n\nRoom No.:  1-101\n\nID:    ")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nHolder:   Anna\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nOperator Code:   007")), qPrintable(text));
    const CardStatusTexts status = CardStatusTextsOf();
    QCOMPARE(status.dai, QStringLiteral("Dai: %1").arg(curCard.Dai));
    QCOMPARE(status.flags, QStringLiteral("LLock"));
    QVERIFY(status.options.isEmpty());

    // A blank card shows only that it is blank.
    m_world->port.clear();
    m_world->encoder->sim(QStringLiteral("blank"));
    QVERIFY(!ReadCardInformation(false));
    QCOMPARE(m_world->port.captions(), QStringList{"N9048"});
    QCOMPARE(m_world->port.boxes()[0].text, QStringLiteral("Blank Card"));
}

void TestCheckOut::typedCardID()
{
    settings.dlsCoID = 0x123456;
    QVERIFY(!PrepareTypedCardID(QStringLiteral("6A1234")));
    QVERIFY(PrepareTypedCardID(QStringLiteral(" 6A123456 ")));
    QCOMPARE(BufCardText().left(46), QString(24, u'0') + QStringLiteral("6A123456123456") + QString(8, u'0'));
    QVERIFY(ReadCardInformation(true));
    ShowCardInformationBox(ReadCardInfoTexts());
    // The typed card carries no hotel code: the warning comes first.
    const QStringList captions = m_world->port.captions();
    QCOMPARE(captions.first(), QStringLiteral("N9067"));
    QCOMPARE(captions.last(), QStringLiteral("N9055---6"));
    QVERIFY(m_world->port.boxes().last().text.startsWith(QStringLiteral("\nGuest Card [6A123456]\n\nDate of Issue:  ")));
}

QTEST_GUILESS_MAIN(TestCheckOut)
#include "tst_checkout.moc"
