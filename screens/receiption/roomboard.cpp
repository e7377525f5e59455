#include "screens/receiption/roomboard.h"

#include "core/clock.h"
#include "core/state.h"
#include "store/rooms.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool inCurrentBuilding(int index)
{
    return index >= 0 && index < aryRoom.size() && aryRoom[index].BldNo == curBld.BldNo;
}

bool hasPassed(const QDateTime &moment, const QDateTime &now)
{
    return moment > DateTimeZero() && moment <= now;
}

// The row rule as the rooms of a building come one after another.
class RowWalker {
public:
    // Whether the room at index starts a new board row.
    bool startsRow(int index)
    {
        const int floor = aryRoom[index].FlrNo;
        const bool starts = m_inRow == 0 || floor != m_floor || m_inRow == kBoardColumns;
        if (starts)
            m_inRow = 0;
        m_floor = floor;
        ++m_inRow;
        return starts;
    }

private:
    int m_floor = 0;
    int m_inRow = 0;
};

int statusIndex(const QString &status)
{
    for (int i = 0; i < int(std::size(kRoomStatuses)); ++i) {
        if (status == RoomStatusText(kRoomStatuses[i]))
            return i;
    }
    return int(RoomStatus::OC_WalkIn);
}

} // namespace

int CountBoardRooms(BoardCounters *counters)
{
    *counters = BoardCounters();
    if (ptrCurBldOfAryRoom < 0)
        return 0;
    const QDateTime now = Clock().now();
    RowWalker walker;
    int rows = 0;
    for (int i = ptrCurBldOfAryRoom; inCurrentBuilding(i); ++i) {
        const TRoomInfo &room = aryRoom[i];
        ++counters->total;
        ++counters->byStatus[statusIndex(room.Status)];
        if (room.ReservCkIn > DateTimeZero())
            ++counters->byStatus[int(RoomStatus::OT)];
        if (room.FirstCkOut > DateTimeZero() && room.FirstCkOut < now)
            ++counters->byStatus[int(RoomStatus::TO)];
        if (walker.startsRow(i))
            ++rows;
    }
    return rows;
}

BoardPage LayOutBoardPage(int firstRow)
{
    BoardPage page;
    for (BoardRow &row : page.rows)
        row.rooms.fill(-1);
    if (ptrCurBldOfAryRoom < 0)
        return page;
    RowWalker walker;
    int row = -1;
    // The first row shown names its floor even when it continues one.
    int lastFloor = -1;
    for (int i = ptrCurBldOfAryRoom; inCurrentBuilding(i); ++i) {
        if (walker.startsRow(i))
            ++row;
        if (row < firstRow) {
            ++page.passedOver;
            continue;
        }
        if (row - firstRow == kBoardRows)
            break;
        BoardRow &boardRow = page.rows[row - firstRow];
        const auto slot = std::find(boardRow.rooms.begin(), boardRow.rooms.end(), -1);
        if (slot == boardRow.rooms.begin()) {
            boardRow.flrNo = aryRoom[i].FlrNo;
            boardRow.showFloor = boardRow.flrNo != lastFloor;
            lastFloor = boardRow.flrNo;
        }
        *slot = i;
    }
    return page;
}

RoomIcon RoomIconOf(const TRoomInfo &room, const QDateTime &now)
{
    RoomIcon icon;
    icon.reservation = room.ReservCkIn > DateTimeZero();
    switch (kRoomStatuses[statusIndex(room.Status)]) {
    case RoomStatus::VC: icon.icon = BoardIcon::VC; break;
    case RoomStatus::OH: icon.icon = BoardIcon::OH; break;
    case RoomStatus::TO: icon.icon = BoardIcon::TO; break;
    case RoomStatus::VD: icon.icon = BoardIcon::VD; break;
    case RoomStatus::OO: icon.icon = BoardIcon::OO; break;
    case RoomStatus::OC_Team: icon.icon = BoardIcon::Team; break;
    case RoomStatus::OT:
    case RoomStatus::OC_WalkIn: icon.icon = BoardIcon::Guest; break;
    }
    if (hasPassed(room.FirstCkOut, now))
        icon.icon = BoardIcon::TO;
    return icon;
}

QString RoomHint(const TRoomInfo &room, const QString &bldName, const RoomHintLabels &labels)
{
    QStringList lines = {
        room.LockNo,
        bldName,
        room.sType,
        room.Status,
        labels.price + QStringLiteral(": ") + room.Price.toString(),
        labels.hourRateStartup + QStringLiteral(": ") + room.HourRateStartup.toString(),
        labels.hourRatePrice + QStringLiteral(": ") + room.HourRatePrice.toString(),
    };
    if (!room.BeiZhu.isEmpty())
        lines << room.BeiZhu;
    return lines.join(u'\n');
}

QString LockNoOfHint(const QString &hint)
{
    return hint.left(9);
}

QStringList ChartTitleLines(const QString &bldName)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    return bldName.split(separators, Qt::SkipEmptyParts);
}

bool CheckOutRepaintDue(const QString &checkOutTime, const QDateTime &previousTick, const QDateTime &now)
{
    QTime time = QTime::fromString(checkOutTime.trimmed(), QStringLiteral("H:mm"));
    if (!time.isValid())
        time = QTime(12, 0);
    // The moment of today, or of yesterday when a minute after it is past midnight.
    for (const QDate &day : {now.date(), now.date().addDays(-1)}) {
        const QDateTime moment = QDateTime(day, time).addSecs(60);
        if (previousTick < moment && moment <= now)
            return true;
    }
    return false;
}
