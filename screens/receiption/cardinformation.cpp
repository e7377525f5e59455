#include "screens/receiption/cardinformation.h"

#include "cards/carddecode.h"
#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "core/texts.h"

#include <cstring>

namespace {

constexpr int kDecodedLength = 46;
constexpr int kTypedIDLength = 8;

QString dateText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd"));
}

QString timeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

QString kindName(int index)
{
    return index >= 0 && index < kCardTypeNameCount ? CardTypeNames[index] : QString();
}

QString numberLine(const QString &label, int value)
{
    return QStringLiteral("%1:  %2").arg(label).arg(value);
}

QString registerLines(const CardInfoTexts &texts)
{
    QString lines = QStringLiteral("\n\nID:    %1").arg(curCard.ID);
    const struct {
        const QString &label;
        const QString &value;
    } fields[] = {
        {texts.Holder, curCard.Holder},
        {texts.BeiZhu, curCard.BeiZhu},
        {texts.GongHao, curCard.GongHao},
        {texts.Status, curCard.Status},
    };
    for (const auto &field : fields) {
        if (!field.value.isEmpty())
            lines += u'\n' + field.label + QStringLiteral(":   ") + field.value;
    }
    return lines;
}

} // namespace

CardInfoTexts ReadCardInfoTexts()
{
    const InterfaceTexts rooms = InterfaceTexts::section("ROOMSDEFINATION");
    const InterfaceTexts staff = InterfaceTexts::section("KEYSFORSTAFF");
    const InterfaceTexts reports = InterfaceTexts::section("REPORTS");
    CardInfoTexts t;
    t.RoomNo = InterfaceTexts::section("RECEIPTION")("RoomNo", "Room No.");
    t.LimitNo = staff("LimitNo", "Card No.");
    t.GroupNo = staff("GroupNo", "Group No.");
    t.BldNo = rooms("BldNo", "Building No.");
    t.FlrNo = rooms("FlrNo", "Floor No.");
    t.Holder = reports("Holder", "Holder");
    t.BeiZhu = reports("BeiZhu", "Memo");
    t.GongHao = reports("GongHao", "Operator Code");
    t.Status = reports("Status", "Status");
    return t;
}

QString CardInformationText(const CardInfoTexts &texts)
{
    const int kind = curCard.iType;
    QString text = u'\n' + kindName(kind) + QStringLiteral(" [") + curCard.CardID + u']';
    text += QStringLiteral("\n\n") + Common.sIssueTime + QStringLiteral(":  ") + dateText(curCard.IssueTime) + u' '
            + timeText(curCard.IssueTime);
    const bool staff = kind == 8 || (kind >= 10 && kind <= 13);
    if (kind == 6 || staff)
        text += QStringLiteral("\n\n") + Common.sExpiredTime + QStringLiteral(":  ") + dateText(curCard.EndTime) + u' '
                + timeText(curCard.EndTime);
    if (staff)
        text += QStringLiteral("\n\n") + Common.sShiDuan + QStringLiteral(":  ") + timeText(curCard.StartTime)
                + QStringLiteral(" --> ") + timeText(curCard.EndTime);
    if (kind == 2 || kind == 6)
        text += QStringLiteral("\n\n") + texts.RoomNo + QStringLiteral(":  ") + curCard.RoomName;
    if (kind == 4) {
        const QString barred = BufCardText().mid(14, 8);
        text += QStringLiteral("\n\n") + texts.LimitNo + QStringLiteral(":  ") + barred + QStringLiteral(" [")
                + kindName(barred.left(1).toInt(nullptr, 16)) + u']';
    }
    if (kind == 5) {
        text += QStringLiteral("\n\n") + kindName(16 + curCard.GroupOp);
        if (curCard.GroupOp == 0 || curCard.GroupOp == 1)
            text += QStringLiteral("\n\n") + numberLine(texts.GroupNo, curCard.GroupNo);
    }
    if (kind == 8)
        text += QStringLiteral("\n\n") + numberLine(texts.GroupNo, curCard.GroupNo);
    if (kind == 12 || kind == 13)
        text += QStringLiteral("\n\n") + numberLine(texts.BldNo, curCard.BldNo);
    if (kind == 13)
        text += u'\n' + numberLine(texts.FlrNo, curCard.FlrNo);
    if (curCard.ID > 0)
        text += registerLines(texts);
    return text;
}

CardStatusTexts CardStatusTextsOf()
{
    CardStatusTexts status;
    if (curCard.iType == 0)
        status.options = QStringLiteral("OPTIONS:  ") + CardOptionBytes();
    status.dai = QStringLiteral("Dai: %1").arg(curCard.Dai);
    if (curCard.AccessBolt > 0)
        status.flags = QStringLiteral("LLock");
    if (curCard.PublicDoor > 0)
        status.flags += QStringLiteral("  Public[%1]").arg(curCard.PublicDoor);
    return status;
}

bool ReadCardInformation(bool typedCardID)
{
    if (!typedCardID && !ReadCardOnEncoder())
        return false;
    curCard = TCardInfo();
    return DecodeCard();
}

void ShowCardInformationBox(const CardInfoTexts &texts)
{
    ShowInfo(QStringLiteral("N9055---%1").arg(curCard.iType), CardInformationText(texts));
}

bool PrepareTypedCardID(const QString &typed)
{
    const QString id = typed.trimmed();
    if (id.size() != kTypedIDLength)
        return false;
    const QByteArray card = QByteArray(24, '0') + (id + id.right(6)).toLatin1() + QByteArray(8, '0');
    std::memset(bufCard, 0, sizeof bufCard);
    std::memcpy(bufCard, card.constData(), kDecodedLength);
    return true;
}

bool ShowRawCard()
{
    OpenEncoder();
    if (EncoderMode == -1 || !ReadCardOnEncoder())
        return false;
    Encoder::Buzzer(EncoderMode, 20);
    const QString card = BufCardText();
    const QStringList lines = {card.mid(0, 6),  card.mid(6, 8),  card.mid(14, 10), card.mid(24, 8),
                               QStringLiteral("    ") + card.mid(32, 6), card.mid(38, 8), card};
    ShowInfo(QStringLiteral("N9041"), lines.join(u'\n'));
    return true;
}
