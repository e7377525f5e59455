#include "cards/cardwrite.h"

#include "cards/dailybackup.h"
#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/clock.h"
#include "core/hexdigits.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/cardregister.h"

#include <optional>

namespace {

// Cards cannot hold a time after 2029; until shortly after that year ends a
// later expiry is written as its last minute.
void capExpiry(const QDateTime &now)
{
    const QDateTime last(QDate(2029, 12, 31), QTime(23, 59));
    if (now.date() < QDate(2030, 3, 2) && curCard.EndTime > last)
        curCard.EndTime = last;
}

QByteArray stamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyMMddHHmm")).toLatin1();
}

int codeOfKind(int kind)
{
    return kind == 6 || kind == 8 ? GuestCoID : settings.dlsCoID;
}

// Calls the writer of curCard's kind; nullopt for a kind with none.
std::optional<int> writeKind(const QDateTime &clock)
{
    const int mode = EncoderMode;
    const int code = codeOfKind(curCard.iType);
    const int dai = curCard.Dai;
    const QByteArray now = stamp(clock);
    const QByteArray end = stamp(curCard.EndTime);
    const QByteArray start = curCard.StartTime.toString(QStringLiteral("HHmm")).toLatin1();
    const QByteArray lockNo = curRoom.LockNo.toLatin1();
    constexpr int kAllDays = 127;
    switch (curCard.iType) {
    case 0:
        return Encoder::ResetCard(mode, code, CardCounter, dai, settings.BaoJing, settings.TiShi, now, bufWrite);
    case 1: return Encoder::RecordCard(mode, code, CardCounter, dai, 2, now, bufWrite);
    case 2: return Encoder::RoomSetCard(mode, code, CardCounter, dai, now, lockNo, bufWrite);
    case 3: return Encoder::TimeSetCard(mode, code, CardCounter, dai, 0, now, bufWrite);
    case 4: {
        unsigned char cardId[4] = {};
        for (int i = 0; i < 4; ++i)
            cardId[i] = static_cast<unsigned char>(HexValue(QStringView(curCard.BlackCardID).mid(i * 2, 2)).value_or(0));
        return Encoder::LimitCard(mode, code, CardCounter, dai, now, cardId, bufWrite);
    }
    case 5:
        return Encoder::GroupSetCard(mode, code, CardCounter, dai, now, curCard.GroupNo, curCard.GroupOp, bufWrite);
    case 6:
        return Encoder::GuestCard(mode, code, CardCounter, curRoom.Dai, settings.GuestLLock, now, end, lockNo,
                                  bufWrite);
    case 7: return Encoder::CheckOutCard(mode, code, CardCounter, dai, now, bufWrite);
    case 8:
        return Encoder::GroupCard(mode, code, CardCounter, dai, curCard.AccessBolt, kAllDays, now, start, end,
                                  curCard.GroupNo, bufWrite);
    case 10:
        return Encoder::EmergencyCard(mode, code, CardCounter, dai, curCard.AccessBolt, kAllDays, now, start, end,
                                      bufWrite);
    case 11:
        return Encoder::MasterCard(mode, code, CardCounter, dai, curCard.AccessBolt, kAllDays, now, start, end,
                                   bufWrite);
    case 12:
        return Encoder::BuildingCard(mode, code, CardCounter, dai, curCard.AccessBolt, kAllDays, now, start, end,
                                     QByteArray::number(curCard.BldNo).rightJustified(3, '0'), bufWrite);
    case 13:
        return Encoder::FloorCard(mode, code, CardCounter, dai, curCard.AccessBolt, kAllDays, now, start, end,
                                  QString::asprintf("%.3d%.3d", curCard.BldNo, curCard.FlrNo).toLatin1(), bufWrite);
    default: return std::nullopt;
    }
}

// The card on the encoder was written but is not registered: it must not
// leave the desk as a working card.
void eraseUnregisteredCard()
{
    EraseWrittenCard(QStringLiteral("not registered"));
}

// The card needs the time to settle before it reads back; the dUSB encoder longer.
void waitAfterWrite()
{
    Clock().wait(800);
    if (EncoderMode == 0)
        Clock().wait(300);
}

// A library may report a failed write after it wrote part or all of the card:
// a card that no longer reads as it did before the write is erased.
void eraseWhenChanged(const QString &before)
{
    waitAfterWrite();
    if (ReadCardOnEncoder() && BufCardText() == before)
        return;
    eraseUnregisteredCard();
}

bool verifyWrittenCard()
{
    const QString written = BufWriteText();
    if (written.mid(18, 8) != curCard.CardID) {
        ShowError(QStringLiteral("E0035"), Common.ErrWriteCard + QStringLiteral("\n\nW: ") + written
                                               + QStringLiteral("\nR: ") + BufCardText());
        return false;
    }
    if (curCard.CardID.left(1) != QString::asprintf("%X", curCard.iType)) {
        ShowError(QStringLiteral("E0038"), QStringLiteral("System Error---E0038\n\n")
                                               + QString::asprintf("iType: %d\n", curCard.iType)
                                               + QStringLiteral("curCard.CardID: ") + curCard.CardID
                                               + QStringLiteral("\nbufCard: ") + BufCardText());
        return false;
    }
    return true;
}

} // namespace

bool EraseWrittenCard(const QString &reason)
{
    char out[kWriteBufferSize] = {};
    const int result = Encoder::CardErase(EncoderMode, codeOfKind(curCard.iType), out);
    if (result == 0)
        return true;
    ShowError(QStringLiteral("E0046"), QStringLiteral("The card on the encoder was written but ") + reason
                                           + QStringLiteral(" and could not be erased. Erase it before it leaves "
                                                            "the desk.\n")
                                           + QString::number(result));
    return false;
}

bool WriteCardOnEncoder()
{
    if (!ReadCardOnEncoder())
        return false;
    const QString before = BufCardText();
    if (settings.CheckBlank == 1 && curCard.CardID != QLatin1String("FFFFFFFF")
        && !AskOkCancel(QStringLiteral("N9078"), Common.msgCheckBlank))
        return false;
    if (const auto failure = MakeDailyBackup()) {
        ShowError(QStringLiteral("E0060"), QStringLiteral("System Error---E0060\n\n") + *failure);
        return false;
    }
    const QDateTime now = Clock().now();
    capExpiry(now);
    CardCounter = (CardCounter + 1) & 15;
    const std::optional<int> result = writeKind(now);
    if (!result) {
        ShowError(QStringLiteral("E0041"),
                  QStringLiteral("System Error---E0041\n") + QString::asprintf("curCard.iType:  %d", curCard.iType));
        return false;
    }
    if (*result != 0) {
        ShowError(QStringLiteral("E0034"), Common.ErrWriteCard + QLatin1Char('\n') + QString::number(*result));
        eraseWhenChanged(before);
        return false;
    }
    waitAfterWrite();
    if (!ReadCardOnEncoder()) {
        eraseUnregisteredCard();
        return false;
    }
    if (EncoderMode == 1)
        Encoder::Buzzer(1, 20);
    if (!verifyWrittenCard()) {
        eraseUnregisteredCard();
        return false;
    }
    curCard.CardData = BufCardText().mid(6, 32);
    if (!InsertCardInfo()) {
        eraseUnregisteredCard();
        return false;
    }
    return true;
}
