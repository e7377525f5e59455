#include "cards/countedissue.h"

#include "cards/cardwrite.h"
#include "core/state.h"
#include "store/cardregister.h"

bool WriteCountedCard(bool cover, const QString &coverCaption)
{
    const int dai = ReadDai(curCard.iType);
    if (dai < 0)
        return false;
    curCard.Dai = dai;
    if (cover) {
        curCard.Dai = (dai + 1) & 255;
        curCard.Status = coverCaption;
    }
    if (!WriteCardOnEncoder())
        return false;
    return !cover || WriteDai(curCard.iType, curCard.Dai);
}
