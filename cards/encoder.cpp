#include "cards/encoder.h"

#include "cards/encoderlibrary.h"
#include "core/clock.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "core/state.h"

void OpenEncoder()
{
    if (Encoder::initializeUSB(1) == 0) {
        EncoderMode = 1;
        return;
    }
    const int result = Encoder::initializeUSB(0);
    if (result == 0) {
        EncoderMode = 0;
        return;
    }
    EncoderMode = -1;
    ShowError(QStringLiteral("E0029"), Common.ErrOpenUSB + QLatin1Char('\n') + QString::number(result));
}

bool CheckEncoder()
{
    if (EncoderMode >= 0 && ReaderInfoText().startsWith(QLatin1String("55")))
        return true;
    ShowError(QStringLiteral("E0030"), Common.ErrNoUSB);
    return false;
}

bool ReadCardOnEncoder()
{
    if (!CheckEncoder())
        return false;
    BusyCursor hourglass;
    const int result = Encoder::ReadCard(EncoderMode, bufCard);
    Clock().wait(200);
    if (result != 0) {
        ShowError(QStringLiteral("E0031"), Common.ErrReadCard + QLatin1Char('\n') + QString::number(result));
        return false;
    }
    const QString text = BufCardText();
    if (!text.startsWith(QLatin1String("551501"))) {
        ShowWarning(QStringLiteral("N9040"), QLatin1Char('\n') + Common.msgNoCard + QStringLiteral("\n\n") + text);
        return false;
    }
    curCard.CardID = text.mid(24, 8);
    return true;
}
