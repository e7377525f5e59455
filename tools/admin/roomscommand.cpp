#include "tools/admin/roomscommand.h"

#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/database.h"
#include "store/rooms.h"

#include <cstdio>

int RunRooms(bool server)
{
    BuildFlag = server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    TData1 data;
    if (!Db().isOpen() || !LoadAryRoom())
        return 1;
    for (const TRoomInfo &room : aryRoom) {
        std::printf("%s\t%s\t%s\t%d\t%d\n", qPrintable(room.BldRoomNo), qPrintable(room.LockNo),
                    qPrintable(room.Status), room.CardCount, room.Dai);
    }
    return 0;
}
