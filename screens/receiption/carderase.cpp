#include "screens/receiption/carderase.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/clock.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/receiption/guestcard.h"
#include "store/cardregister.h"

bool EraseCardAtDesk(const DeskTexts &texts)
{
    if (Operator().messageBox(BoxIcon::Question, QStringLiteral("N9068"), texts.msgCardErase, BoxButtons::OkCancel,
                              BoxAnswer::Ok)
        != BoxAnswer::Ok)
        return false;
    if (!fDirectCardErase && !ReadCardOnEncoder())
        return false;
    const int result = Encoder::CardErase(EncoderMode, settings.dlsCoID, bufWrite);
    Clock().wait(700);
    if (EncoderMode != 0)
        Encoder::Buzzer(EncoderMode, 20);
    else
        Clock().wait(300);
    if (result != 0) {
        ShowWarning(QStringLiteral("E0036"), texts.errCardErase + QStringLiteral("\nCardErase: %1").arg(result));
        return false;
    }
    if (!fDirectCardErase && !MarkCardErased(CardDataOfBufCard()))
        return false;
    ShowInfo(QStringLiteral("N9047"), texts.msgCardEraseOK);
    return true;
}
