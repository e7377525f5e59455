#include "tools/admin/carderasecommand.h"

#include "screens/receiption/carderase.h"
#include "screens/receiption/deskrights.h"
#include "tools/admin/deskcommand.h"

int RunCardErase(const QString &operatorCode, bool yes, bool server)
{
    DeskCommand desk(yes, server);
    if (!desk.start(operatorCode, {kCardEraseRight}, QStringLiteral("erase cards")))
        return 1;
    desk.openEncoder();
    return EraseCardAtDesk(ReadDeskTexts()) ? 0 : 1;
}
