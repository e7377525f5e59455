#include "screens/receiption/roomstatus.h"

#include "core/operatorport.h"
#include "core/state.h"
#include "store/dbfailure.h"

#include <QHash>

namespace {

constexpr int kMemoLength = 100;

QString statusQuestion(const RoomStatusTexts &texts, const TRoomInfo &room, const QString &oldStatus,
                       const QString &newStatus)
{
    return u'\n' + texts.msgModiRoomStatus + QStringLiteral("\n\n") + texts.RoomNo + QStringLiteral(":  ")
           + room.RoomNo + QStringLiteral("\n\n") + oldStatus + QStringLiteral("  -->  ") + newStatus;
}

// The room's entry as it is written: the registry follows the database only
// once the row holds the new state.
void patchEntry(TRoomInfo *room, const QString &status, bool vacate, const QString &memo)
{
    room->Status = status;
    if (vacate) {
        room->CardCount = 0;
        room->BeiZhu.clear();
        room->FirstCkOut = DateTimeZero();
    }
    if (!memo.isEmpty())
        room->BeiZhu = memo;
}

} // namespace

QList<StatusRow> FillStatusGrid(const QList<StatusRow> &rows, bool clearMarks, int *current)
{
    QHash<QString, QString> marks;
    if (!clearMarks) {
        for (const StatusRow &row : rows)
            marks.insert(row.room.LockNo, row.mark);
    }
    const bool fromWalkIn = prevMenu == QLatin1String("WalkIn");
    QList<StatusRow> filled;
    *current = -1;
    for (int i = ptrCurBldOfAryRoom; i >= 0 && i < aryRoom.size() && aryRoom[i].BldNo == curBld.BldNo; ++i) {
        StatusRow row{marks.value(aryRoom[i].LockNo), aryRoom[i]};
        if (fromWalkIn && row.room.LockNo == curRoom.LockNo) {
            row.mark = kRowMarked;
            *current = filled.size();
        }
        filled << row;
    }
    prevMenu = curMenu;
    return filled;
}

bool StatusChangeAsks(const QString &oldStatus, const QString &newStatus)
{
    const QString vacant = RoomStatusText(RoomStatus::VC);
    const QString reserved = RoomStatusText(RoomStatus::OT);
    const QString outOfOrder = RoomStatusText(RoomStatus::OO);
    const QString cleaning = RoomStatusText(RoomStatus::VD);
    if (oldStatus == vacant)
        return newStatus != reserved && newStatus != outOfOrder;
    if (newStatus == vacant)
        return oldStatus != reserved && oldStatus != outOfOrder && oldStatus != cleaning;
    return false;
}

QString MaintenanceMemo(const QString &typed)
{
    return typed.trimmed().left(kMemoLength);
}

StatusApplied ApplyRoomStatus(RoomStatus status, const QString &memo, QList<StatusRow> *rows,
                              const RoomStatusTexts &texts)
{
    const QString newStatus = RoomStatusText(status);
    const QString memoText = memo.trimmed();
    const bool vacate = status == RoomStatus::VC;
    StatusApplied applied;
    int chosen = 0;
    for (StatusRow &row : *rows) {
        if (row.mark != kRowMarked)
            continue;
        // The registry may have been reloaded since the grid was filled: the
        // room is found again by its lock number.
        const int index = GetPointerOfAryRoom(ByLockNo, row.room.LockNo);
        if (index < 0)
            continue;
        const QString oldStatus = aryRoom[index].Status;
        if (StatusChangeAsks(oldStatus, newStatus)
            && !AskOkCancel(QStringLiteral("N9071"), statusQuestion(texts, aryRoom[index], oldStatus, newStatus)))
            continue;
        ++chosen;
        QString error;
        if (!UpdateRoomStatus(RoomKeyOf(aryRoom[index]), newStatus, vacate, memoText, &error)) {
            ShowError(QStringLiteral("E0019"), DbFailureText(QStringLiteral("Update Room Status Failure!\n\n"), error,
                                                             {oldStatus, newStatus, memoText}));
            continue;
        }
        ++applied.written;
        row.mark = kRowDone;
        ptrAryRoom = index;
        patchEntry(&aryRoom[index], newStatus, vacate, memoText);
    }
    applied.summary = QStringLiteral("%1: %2   %3").arg(newStatus).arg(applied.written).arg(memoText);
    if (applied.written > 0)
        isNeedRefreshRooms = true;
    if (chosen == 0)
        ShowWarning(QStringLiteral("N9033"), texts.msgSelectRoom);
    return applied;
}
