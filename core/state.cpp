#include "core/state.h"

#include <cstring>

int EncoderMode = -1;
QString EncoderModel;
char ReaderInfo[kReaderInfoSize] = {};
char bufCard[kCardBufferSize] = {};
char bufWrite[kWriteBufferSize] = {};
int GuestCoID = 0;
int CardCounter = 0;
TOperatorInfo curOperator;
QString strQX;
TRoomInfo curRoom;
TRoomInfo varRoom;
TGuestInfo curGuest;
TCardInfo curCard;
QString curMenu;
TBuildingInfo curBld;
QString prevMenu;
bool fDirectCardErase = false;
bool isSearchCardNo = false;
QString curBldNoName;
bool isNeedRefreshRooms = false;
bool isSearchLockNo = false;
int ptrAryRoom = 0;
int ptrCurBldOfAryRoom = 0;
TGuestInfo oldGuest;
QList<TRoomInfo> aryRoom;
int lenAryRoom = 0;
bool hasDuplicateRooms = false;
QList<int> aryBldNo;
QList<TGuestInfo> aryGuest;
int lenAryGuest = 0;
int ptrAryGuest = 0;
QList<TGuestInfo> aryReservation;
int lenAryReservation = 0;

void ClearReaderInfo()
{
    std::memset(ReaderInfo, 0, sizeof ReaderInfo);
}

namespace {

QString bufferText(const char *buffer, std::size_t size)
{
    return QString::fromLatin1(buffer, static_cast<qsizetype>(strnlen(buffer, size)));
}

} // namespace

QString ReaderInfoText()
{
    return bufferText(ReaderInfo, sizeof ReaderInfo);
}

QString BufCardText()
{
    return bufferText(bufCard, sizeof bufCard);
}

QString BufWriteText()
{
    return bufferText(bufWrite, sizeof bufWrite);
}

void ResetState()
{
    EncoderMode = -1;
    EncoderModel.clear();
    ClearReaderInfo();
    std::memset(bufCard, 0, sizeof bufCard);
    std::memset(bufWrite, 0, sizeof bufWrite);
    GuestCoID = 0;
    CardCounter = 0;
    curOperator = TOperatorInfo();
    strQX.clear();
    curRoom = TRoomInfo();
    varRoom = TRoomInfo();
    curGuest = TGuestInfo();
    curCard = TCardInfo();
    curMenu.clear();
    curBld = TBuildingInfo();
    prevMenu.clear();
    fDirectCardErase = false;
    isSearchCardNo = false;
    curBldNoName.clear();
    isNeedRefreshRooms = false;
    isSearchLockNo = false;
    ptrAryRoom = 0;
    ptrCurBldOfAryRoom = 0;
    oldGuest = TGuestInfo();
    aryRoom.clear();
    lenAryRoom = 0;
    hasDuplicateRooms = false;
    aryBldNo.clear();
    aryGuest.clear();
    lenAryGuest = 0;
    ptrAryGuest = 0;
    aryReservation.clear();
    lenAryReservation = 0;
}
