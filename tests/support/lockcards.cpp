#include "lockcards.h"

#include "cards/cardwrite.h"
#include "core/settings.h"
#include "core/state.h"
#include "store/cardregister.h"

bool IssueLockCard(const TCardInfo &card, const QString &lockNo, bool cover)
{
    curCard = TCardInfo();
    curCard.iType = card.iType;
    curCard.TypeName = QStringLiteral("Card %1").arg(card.iType);
    curCard.Holder = card.Holder;
    curCard.BeiZhu = card.BeiZhu;
    curCard.BldNo = card.BldNo;
    curCard.FlrNo = card.FlrNo;
    curCard.GroupNo = card.GroupNo;
    curCard.GroupOp = card.GroupOp;
    curCard.BlackCardID = card.BlackCardID;
    curCard.AccessBolt = card.AccessBolt;
    curCard.StartTime = card.StartTime;
    curCard.EndTime = card.EndTime;
    if (!lockNo.isEmpty())
        curRoom.LockNo = lockNo;
    const int dai = ReadDai(card.iType);
    if (dai < 0)
        return false;
    curCard.Dai = cover ? (dai + 1) & 255 : dai;
    if (cover)
        curCard.Status = QStringLiteral("Overwrite all the previous cards");
    GuestCoID = settings.dlsCoID;
    return WriteCardOnEncoder() && (!cover || WriteDai(card.iType, curCard.Dai));
}
