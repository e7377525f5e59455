#include "state.h"

#include <cstring>

int EncoderMode = -1;
char ReaderInfo[kReaderInfoSize] = {};
int CardCounter = 0;
TOperatorInfo curOperator;
QString strQX;
TRoomInfo curRoom;
TRoomInfo varRoom;
TGuestInfo curGuest;
TCardInfo curCard;

void ClearReaderInfo()
{
    std::memset(ReaderInfo, 0, sizeof ReaderInfo);
}

QString ReaderInfoText()
{
    return QString::fromLatin1(ReaderInfo, static_cast<qsizetype>(strnlen(ReaderInfo, sizeof ReaderInfo)));
}

void ResetState()
{
    EncoderMode = -1;
    ClearReaderInfo();
    CardCounter = 0;
    curOperator = TOperatorInfo();
    strQX.clear();
    curRoom = TRoomInfo();
    varRoom = TRoomInfo();
    curGuest = TGuestInfo();
    curCard = TCardInfo();
}
