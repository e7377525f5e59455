#include "screens/rooms/roomcommands.h"

#include "core/numbers.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "store/connection.h"
#include "store/rooms.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// A query box: OK and Cancel, the current value offered; nullopt for Cancel or
// an answer that is empty after trimming.
std::optional<QString> ask(const QString &caption, const QString &prompt, const QString &value)
{
    const std::optional<QString> answer = Operator().inputBox(caption, prompt, value);
    if (!answer)
        return std::nullopt;
    const QString trimmed = answer->trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed;
}

std::optional<int> numberWithin(const QString &text, int low, int high)
{
    const std::optional<int> value = ParseWholeNumber(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

void refuse(const QString &caption, const QString &input)
{
    ShowWarning(caption, Common.ErrInput + u'\n' + input);
}

bool execute(QSqlQuery &query)
{
    BusyCursor busy;
    return query.exec();
}

bool saveRoom(const RoomsDefinationTexts &texts, const TBuildingInfo &building, const TRoomInfo &room,
              const TRoomInfo &changed)
{
    QSqlQuery update(Db());
    update.prepare(QStringLiteral(
        "UPDATE RoomInfo SET FlrNo=:a,RomID=:b,RoomNo=:c,sType=:d,Price=:e,HourRateStartup=:f,HourRatePrice=:g,"
        "MaxCards=:h WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)"));
    update.bindValue(QStringLiteral(":a"), changed.FlrNo);
    update.bindValue(QStringLiteral(":b"), changed.RomID);
    update.bindValue(QStringLiteral(":c"), changed.RoomNo);
    update.bindValue(QStringLiteral(":d"), changed.sType);
    update.bindValue(QStringLiteral(":e"), changed.Price.toSql());
    update.bindValue(QStringLiteral(":f"), changed.HourRateStartup.toSql());
    update.bindValue(QStringLiteral(":g"), changed.HourRatePrice.toSql());
    update.bindValue(QStringLiteral(":h"), changed.MaxCards);
    update.bindValue(QStringLiteral(":a1"), room.BldNo);
    update.bindValue(QStringLiteral(":b1"), room.FlrNo);
    update.bindValue(QStringLiteral(":c1"), room.RomID);
    if (execute(update))
        return true;
    ShowError(QStringLiteral("E0010"), texts.ErrModiRoom + u'\n' + room.LockNo + QStringLiteral(" --> ")
                                           + LockNoOf(building.BldNo, changed.FlrNo, changed.RomID));
    return false;
}

bool savePublicDoor(const TRoomInfo &room)
{
    QSqlQuery update(Db());
    update.prepare(QStringLiteral(
        "UPDATE RoomInfo SET RomID2=:a,PublicDoor=:b WHERE (BldNo=:a1) AND (FlrNo=:b1) AND (RomID=:c1)"));
    update.bindValue(QStringLiteral(":a"), room.RomID2);
    update.bindValue(QStringLiteral(":b"), room.PublicDoor);
    update.bindValue(QStringLiteral(":a1"), room.BldNo);
    update.bindValue(QStringLiteral(":b1"), room.FlrNo);
    update.bindValue(QStringLiteral(":c1"), room.RomID);
    if (execute(update))
        return true;
    ShowError(QStringLiteral("E0011"),
              QStringLiteral("Modify Public Door Failure\n%1\n").arg(room.PublicDoor) + room.LockNo);
    return false;
}

} // namespace

QString PublicDoorMark(int publicDoor)
{
    switch (publicDoor) {
    case kPublicDoorSet: return QStringLiteral("*");
    case kPublicDoorOpens: return QStringLiteral("#");
    default: return QString();
    }
}

QString BuildingNoName(const TBuildingInfo &building)
{
    return QStringLiteral("%1,%2").arg(building.BldNo).arg(building.BldName);
}

std::optional<Currency> ParsePriceText(const QString &text)
{
    const QString cut = text.left(kMaxPriceText);
    for (const QChar c : cut) {
        if (!QStringLiteral("0123456789.").contains(c))
            return std::nullopt;
    }
    return Currency::parse(cut).value_or(Currency());
}

bool AddBuilding(const RoomsDefinationTexts &texts, const QString &caption)
{
    const QString number = InputBox(caption, texts.InputBldNo + u'\n', QString()).trimmed();
    if (number.isEmpty())
        return false;
    const std::optional<int> bldNo = numberWithin(number, 0, kMaxBuildingNo);
    if (!bldNo) {
        ShowError(QStringLiteral("E0003"), texts.ErrInputBldNo + u'\n' + number);
        return false;
    }
    const QString name = InputBox(caption, texts.InputBldName + u'\n', QString()).trimmed().left(kMaxBuildingName);
    if (name.isEmpty())
        return false;
    QSqlQuery insert(Db());
    insert.prepare(QStringLiteral("INSERT INTO BuildingInfo VALUES(:BldNo,:BldName)"));
    insert.bindValue(QStringLiteral(":BldNo"), *bldNo);
    insert.bindValue(QStringLiteral(":BldName"), name);
    if (!execute(insert))
        ShowError(QStringLiteral("E0004"), texts.ErrAddBld + u'\n' + BuildingNoName({*bldNo, name}));
    return true;
}

bool RemoveBuilding(const RoomsDefinationTexts &texts, const TBuildingInfo &building)
{
    const QString noName = BuildingNoName(building);
    if (!AskOkCancel(QStringLiteral("N9004"), texts.msgDelBld + u'\n' + noName)
        || !AskOkCancel(QStringLiteral("N9005"), texts.msgDelBldAll))
        return false;
    // Two statements, each reported on its own: the rooms go even when the
    // building row could not be removed.
    QSqlQuery buildingRow(Db());
    buildingRow.prepare(QStringLiteral("DELETE FROM BuildingInfo WHERE BldNo=:a"));
    buildingRow.bindValue(QStringLiteral(":a"), building.BldNo);
    if (!execute(buildingRow))
        ShowError(QStringLiteral("E0005"), QStringLiteral("Remove Building Failure.\n") + noName);
    QSqlQuery rooms(Db());
    rooms.prepare(QStringLiteral("DELETE FROM RoomInfo WHERE BldNo=:a"));
    rooms.bindValue(QStringLiteral(":a"), building.BldNo);
    if (!execute(rooms))
        ShowError(QStringLiteral("E0006"), QStringLiteral("Remove Room Failure.\n") + noName);
    return true;
}

bool RenameBuilding(const RoomsDefinationTexts &texts, const QString &caption, const TBuildingInfo &building)
{
    const std::optional<QString> answer = ask(caption, texts.InputBldName + u'\n', building.BldName);
    if (!answer || *answer == building.BldName)
        return false;
    const QString name = answer->left(kMaxBuildingName);
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE BuildingInfo SET BldName=:a WHERE BldNo=:b"));
    update.bindValue(QStringLiteral(":a"), name);
    update.bindValue(QStringLiteral(":b"), building.BldNo);
    if (!execute(update))
        ShowError(QStringLiteral("E0007"),
                  QStringLiteral("Modify Building Name Error\n") + BuildingNoName({building.BldNo, name}));
    return true;
}

bool RemoveRoom(const RoomsDefinationTexts &texts, const TBuildingInfo &building, const TRoomInfo &room)
{
    if (!AskOkCancel(QStringLiteral("N9014"), texts.msgDelRoom + u'\n' + BuildingNoName(building) + u'\n' + room.RoomNo))
        return false;
    QSqlQuery remove(Db());
    remove.prepare(QStringLiteral("DELETE FROM RoomInfo WHERE (BldNo=:a) AND (FlrNo=:b) AND (RomID=:c)"));
    remove.bindValue(QStringLiteral(":a"), room.BldNo);
    remove.bindValue(QStringLiteral(":b"), room.FlrNo);
    remove.bindValue(QStringLiteral(":c"), room.RomID);
    if (!execute(remove))
        ShowError(QStringLiteral("E0009"), QStringLiteral("Remove Room Failure.\n") + BuildingNoName(building));
    return true;
}

bool ModifyRoom(const RoomsDefinationTexts &texts, const QString &caption, int column, const QString &header,
                const TBuildingInfo &building, const TRoomInfo &room)
{
    if (column == ColStatus)
        return false;
    TRoomInfo changed = room;
    if (column == ColMark)
        return saveRoom(texts, building, room, changed);

    QString current;
    switch (column) {
    case ColFloor: current = QString::number(room.FlrNo); break;
    case ColRoomNo: current = room.RoomNo; break;
    case ColType: current = room.sType; break;
    case ColPrice: current = room.Price.toString(); break;
    case ColHourStartup: current = room.HourRateStartup.toString(); break;
    case ColHourPrice: current = room.HourRatePrice.toString(); break;
    case ColCards: current = QString::number(room.MaxCards); break;
    case ColLockNo: current = room.LockNo.mid(6, 3); break;
    default: return false;
    }
    const QString prompt = (column == ColLockNo ? texts.InputRomID : header) + u'\n';
    const std::optional<QString> answer = ask(caption, prompt, current);
    if (!answer)
        return false;
    const QString input = *answer;

    const auto whole = [&](int low, int high, const char *refusal, int &target) {
        const std::optional<int> value = numberWithin(input, low, high);
        if (!value) {
            refuse(QLatin1String(refusal), input);
            return false;
        }
        target = *value;
        return true;
    };
    const auto price = [&](const char *refusal, Currency &target) {
        const std::optional<Currency> value = ParsePriceText(input);
        if (!value) {
            refuse(QLatin1String(refusal), input);
            return false;
        }
        target = *value;
        return true;
    };
    bool accepted = true;
    switch (column) {
    case ColFloor: accepted = whole(0, kMaxFloorNo, "N9016", changed.FlrNo); break;
    case ColRoomNo: changed.RoomNo = input.left(kMaxRoomText); break;
    case ColType: changed.sType = input.left(kMaxRoomText); break;
    case ColPrice: accepted = price("N9017", changed.Price); break;
    case ColHourStartup: accepted = price("N9074", changed.HourRateStartup); break;
    case ColHourPrice: accepted = price("N9075", changed.HourRatePrice); break;
    case ColCards: accepted = whole(1, kMaxCards, "N9018", changed.MaxCards); break;
    case ColLockNo: accepted = whole(0, kMaxRoomIndex, "N9019", changed.RomID); break;
    default: break;
    }
    return accepted && saveRoom(texts, building, room, changed);
}

bool TogglePublicDoor(const RoomsDefinationTexts &texts, int mark, const TBuildingInfo &building, TRoomInfo &room)
{
    if (mark == kPublicDoorSet
        && !AskOkCancel(QStringLiteral("N9024"),
                        texts.msgTogglePublic + u'\n' + BuildingNoName(building) + u'\n' + room.RoomNo))
        return false;
    room.PublicDoor = room.PublicDoor != 0 ? 0 : mark;
    return savePublicDoor(room);
}

bool EditSecondIndex(const RoomsDefinationTexts &texts, const QString &caption, TRoomInfo &room)
{
    const std::optional<QString> answer = ask(caption, texts.InputRomID2 + u'\n', QString::number(room.RomID2));
    if (!answer)
        return false;
    const std::optional<int> index = numberWithin(*answer, 0, kMaxSecondIndex);
    if (!index) {
        refuse(QStringLiteral("N9025"), *answer);
        return false;
    }
    room.RomID2 = *index;
    return savePublicDoor(room);
}
