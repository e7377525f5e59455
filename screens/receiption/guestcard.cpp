#include "screens/receiption/guestcard.h"

#include "cards/encoder.h"
#include "core/operatorport.h"
#include "core/state.h"
#include "store/guests.h"
#include "store/rooms.h"

QString CardDataOfBufCard()
{
    return BufCardText().mid(6, 32);
}

bool ReadGuestCard(const DeskTexts &texts)
{
    if (!ReadCardOnEncoder())
        return false;
    const QString card = BufCardText();
    if (card.mid(24, 1) != QLatin1String("6")) {
        ShowWarning(QStringLiteral("N9042"), texts.msgNotGuestCard + QStringLiteral("\n\n") + card);
        return false;
    }
    curCard.CardID = card.mid(24, 8);
    if (!LoadGuestByCardID(curCard.CardID)) {
        ShowWarning(QStringLiteral("N9043"),
                    texts.msgNoGuestInfo + QStringLiteral("\n\n") + curCard.CardID + u'\n' + card);
        return false;
    }
    curGuest = aryGuest[0];
    ptrAryRoom = GetPointerOfAryRoom(ByBldRoomNo, curGuest.BldRoomNo);
    if (ptrAryRoom < 0 || ptrAryRoom >= aryRoom.size())
        return false;
    curRoom = aryRoom[ptrAryRoom];
    return true;
}
