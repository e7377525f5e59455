#include "tools/admin/roomstatuscommand.h"

#include "core/state.h"
#include "screens/receiption/deskrights.h"
#include "screens/receiption/roomstatus.h"
#include "store/rooms.h"
#include "tools/admin/deskcommand.h"

#include <cstdio>

std::optional<RoomStatus> SettableStatus(const QString &name)
{
    const struct {
        const char *name;
        RoomStatus status;
    } settable[] = {
        {"VC", RoomStatus::VC}, {"OH", RoomStatus::OH}, {"TO", RoomStatus::TO}, {"VD", RoomStatus::VD},
        {"OO", RoomStatus::OO}, {"OC_WalkIn", RoomStatus::OC_WalkIn}, {"OC_Team", RoomStatus::OC_Team},
    };
    for (const auto &entry : settable) {
        if (name == QLatin1String(entry.name))
            return entry.status;
    }
    return std::nullopt;
}

int RunRoomStatus(const RoomStatusOptions &options)
{
    DeskCommand desk(options.yes, options.server);
    if (!desk.start(options.operatorCode, {kModiRoomStatusRight}, QStringLiteral("set room statuses")))
        return 1;
    const int index = GetPointerOfAryRoom(ByBldRoomNo, options.room);
    if (index < 0)
        return 1;
    curMenu = QStringLiteral("ModiRoomStatus");
    QList<StatusRow> rows = {{kRowMarked, aryRoom[index]}};
    if (ApplyRoomStatus(options.status, MaintenanceMemo(options.memo), &rows, ReadRoomStatusTexts()).written != 1)
        return 1;
    std::printf("Status=%s\n", qPrintable(aryRoom[index].Status));
    return 0;
}
