#include "tools/admin/cardcommand.h"

#include "cards/carddecode.h"
#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/database.h"
#include "store/rooms.h"

#include <cstdio>
#include <cstring>

namespace {

QString timeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

void printCard()
{
    const TCardInfo &c = curCard;
    const auto line = [](const char *field, const QString &value) {
        std::printf("%s=%s\n", field, qPrintable(value));
    };
    line("kind", QString::number(c.iType));
    line("CardID", c.CardID);
    line("Dai", QString::number(c.Dai));
    line("IssueTime", timeText(c.IssueTime));
    line("StartTime", timeText(c.StartTime));
    line("EndTime", timeText(c.EndTime));
    line("room", c.RoomName);
    line("group", QString::number(c.GroupNo));
    line("groupOp", QString::number(c.GroupOp));
    line("floor", QString::number(c.FlrNo));
    line("building", QString::number(c.BldNo));
    line("accessBolt", QString::number(c.AccessBolt));
    line("publicDoor", QString::number(c.PublicDoor));
    line("options", c.iType == 0 ? CardOptionBytes() : QString());
    line("CardData", c.CardData);
    line("register", QString::number(c.ID));
    line("Holder", c.Holder);
    line("Status", c.Status);
}

// Settings, texts, database and rooms, as the front desk has them.
bool start(bool server)
{
    BuildFlag = server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    static TData1 data;
    // Without the rooms a guest card's room could not be named.
    return Db().isOpen() && LoadAryRoom();
}

int decodeAndPrint()
{
    if (!DecodeCard())
        return 1;
    printCard();
    return 0;
}

} // namespace

int RunCardRead(bool server)
{
    if (!start(server))
        return 1;
    OpenEncoder();
    if (EncoderMode >= 0)
        Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    if (!ReadCardOnEncoder())
        return 1;
    return decodeAndPrint();
}

int RunCardDecode(const QString &buffer, bool server)
{
    if (!start(server))
        return 1;
    std::strncpy(bufCard, buffer.toLatin1().constData(), kCardBufferSize - 1);
    curCard.CardID = buffer.mid(24, 8);
    return decodeAndPrint();
}
