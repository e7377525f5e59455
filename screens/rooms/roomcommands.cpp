#include "screens/rooms/roomcommands.h"

#include "core/numbers.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "store/buildings.h"
#include "store/rooms.h"

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

bool saveRoom(const RoomsDefinationTexts &texts, const TBuildingInfo &building, const TRoomInfo &room,
              const RoomKey &key, const RoomKey &target, const TRoomInfo &changed)
{
    QString error;
    if (UpdateRoom(key, target, changed, &error))
        return true;
    ShowError(QStringLiteral("E0010"), texts.ErrModiRoom + u'\n' + room.LockNo + QStringLiteral(" --> ")
                                           + LockNoOfKey({building.BldNo, target.FlrNo, target.RomID}));
    return false;
}

// On failure room is put back as it was: the caller keeps showing the saved row.
bool saveDoor(TRoomInfo &room, const TRoomInfo &before, const RoomKey &key)
{
    QString error;
    if (UpdateRoomDoor(key, room.RomID2, room.PublicDoor, &error))
        return true;
    ShowError(QStringLiteral("E0011"),
              QStringLiteral("Modify Public Door Failure\n%1\n").arg(room.PublicDoor) + room.LockNo);
    room = before;
    return false;
}

// Digits with at most one point and at least one digit: "12", ".5", "5.",
// "12.34567". Rounded half up to four decimals.
std::optional<Currency> priceValue(const QString &text)
{
    const int point = text.indexOf(u'.');
    if (text.count(u'.') > 1 || text.size() == (point < 0 ? 0 : 1))
        return std::nullopt;
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    qint64 units = whole.toLongLong() * Currency::kScale + fraction.left(4).leftJustified(4, u'0').toLongLong();
    if (fraction.size() > 4 && fraction.at(4) >= u'5')
        ++units;
    return Currency::fromUnits(units);
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
    return priceValue(cut).value_or(Currency());
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
    QString error;
    if (!InsertBuilding({*bldNo, name}, &error))
        ShowError(QStringLiteral("E0004"), texts.ErrAddBld + u'\n' + BuildingNoName({*bldNo, name}));
    return true;
}

bool RemoveBuilding(const RoomsDefinationTexts &texts, const TBuildingInfo &building)
{
    const QString noName = BuildingNoName(building);
    if (!AskOkCancel(QStringLiteral("N9004"), texts.msgDelBld + u'\n' + noName)
        || !AskOkCancel(QStringLiteral("N9005"), texts.msgDelBldAll))
        return false;
    BuildingPart failed = BuildingPart::Row;
    QString error;
    if (!DeleteBuildingWithRooms(building.BldNo, &failed, &error)) {
        if (failed == BuildingPart::Row)
            ShowError(QStringLiteral("E0005"), QStringLiteral("Remove Building Failure.\n") + noName);
        else
            ShowError(QStringLiteral("E0006"), QStringLiteral("Remove Room Failure.\n") + noName);
    }
    return true;
}

bool RenameBuilding(const RoomsDefinationTexts &texts, const QString &caption, const TBuildingInfo &building)
{
    const std::optional<QString> answer = ask(caption, texts.InputBldName + u'\n', building.BldName);
    if (!answer || *answer == building.BldName)
        return false;
    const QString name = answer->left(kMaxBuildingName);
    QString error;
    if (!UpdateBuildingName(building.BldNo, name, &error))
        ShowError(QStringLiteral("E0007"),
                  QStringLiteral("Modify Building Name Error\n") + BuildingNoName({building.BldNo, name}));
    return true;
}

bool RemoveRoom(const RoomsDefinationTexts &texts, const TBuildingInfo &building, const TRoomInfo &room,
                const RoomKey &key)
{
    if (!AskOkCancel(QStringLiteral("N9014"), texts.msgDelRoom + u'\n' + BuildingNoName(building) + u'\n' + room.RoomNo))
        return false;
    QString error;
    if (!DeleteRoom(key, &error))
        ShowError(QStringLiteral("E0009"), QStringLiteral("Remove Room Failure.\n") + BuildingNoName(building));
    return true;
}

bool ModifyRoom(const RoomsDefinationTexts &texts, const QString &caption, int column, const QString &header,
                const TBuildingInfo &building, const TRoomInfo &room, const RoomKey &key)
{
    if (column == ColStatus)
        return false;
    TRoomInfo changed = room;
    // Floor and index are written as stored unless this is their column: a
    // faulty value stays as it is until the operator corrects it.
    RoomKey target = key;
    if (column == ColMark)
        return saveRoom(texts, building, room, key, target, changed);

    QString current;
    switch (column) {
    case ColFloor: current = key.FlrNo.toString(); break;
    case ColRoomNo: current = room.RoomNo; break;
    case ColType: current = room.sType; break;
    case ColPrice: current = room.Price.toString(); break;
    case ColHourStartup: current = room.HourRateStartup.toString(); break;
    case ColHourPrice: current = room.HourRatePrice.toString(); break;
    case ColCards: current = QString::number(room.MaxCards); break;
    case ColLockNo: current = LockPartText(key.RomID); break;
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
    case ColFloor:
        accepted = whole(0, kMaxFloorNo, "N9016", changed.FlrNo);
        target.FlrNo = changed.FlrNo;
        break;
    case ColRoomNo: changed.RoomNo = input.left(kMaxRoomText); break;
    case ColType: changed.sType = input.left(kMaxRoomText); break;
    case ColPrice: accepted = price("N9017", changed.Price); break;
    case ColHourStartup: accepted = price("N9074", changed.HourRateStartup); break;
    case ColHourPrice: accepted = price("N9075", changed.HourRatePrice); break;
    case ColCards: accepted = whole(1, kMaxCards, "N9018", changed.MaxCards); break;
    case ColLockNo:
        accepted = whole(0, kMaxRoomIndex, "N9019", changed.RomID);
        target.RomID = changed.RomID;
        break;
    default: break;
    }
    return accepted && saveRoom(texts, building, room, key, target, changed);
}

bool TogglePublicDoor(const RoomsDefinationTexts &texts, int mark, const TBuildingInfo &building, TRoomInfo &room,
                      const RoomKey &key)
{
    if (mark == kPublicDoorSet
        && !AskOkCancel(QStringLiteral("N9024"),
                        texts.msgTogglePublic + u'\n' + BuildingNoName(building) + u'\n' + room.RoomNo))
        return false;
    const TRoomInfo before = room;
    room.PublicDoor = room.PublicDoor != 0 ? 0 : mark;
    return saveDoor(room, before, key);
}

bool EditSecondIndex(const RoomsDefinationTexts &texts, const QString &caption, TRoomInfo &room, const RoomKey &key)
{
    const std::optional<QString> answer = ask(caption, texts.InputRomID2 + u'\n', QString::number(room.RomID2));
    if (!answer)
        return false;
    const std::optional<int> index = numberWithin(*answer, 0, kMaxSecondIndex);
    if (!index) {
        refuse(QStringLiteral("N9025"), *answer);
        return false;
    }
    const TRoomInfo before = room;
    room.RomID2 = *index;
    return saveDoor(room, before, key);
}
