#include "tools/admin/roomstatuscommand.h"

#include "core/consoleport.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/roomstatus.h"
#include "store/database.h"
#include "tools/admin/operatoroption.h"

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
    static ConsolePort port(options.yes ? ConsolePort::Answers::Confirm : ConsolePort::Answers::Preselected);
    SetOperatorPort(&port);
    BuildFlag = options.server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    TData1 data;
    if (!Db().isOpen() || !LoadAryRoom()
        || !TakeOperator(options.operatorCode, kRoomStatusRight, QStringLiteral("set room statuses")))
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
