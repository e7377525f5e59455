#include "screens/rooms/roombatch.h"

#include "core/numbers.h"
#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "screens/rooms/numberrange.h"
#include "screens/rooms/roomcommands.h"
#include "store/rooms.h"

namespace {

// The value of the last two characters of a part ("1620" -> 20, "5" -> 5).
int indexOf(const QString &part)
{
    return part.right(2).toInt();
}

std::optional<QString> ask(const QString &caption, const QString &prompt, const QString &value)
{
    const std::optional<QString> answer = Operator().inputBox(caption, prompt, value);
    if (!answer || answer->trimmed().isEmpty())
        return std::nullopt;
    return answer->trimmed();
}

QString indexText(int index)
{
    return QStringLiteral("%1").arg(index, index >= 100 ? 3 : 2, 10, QLatin1Char('0'));
}

struct Batch {
    int floorFirst = 0;
    int floorLast = 0;
    int indexFirst = 0;
    int indexLast = 0;
    int singleIndex = 0;
    QString roomText;
    QString prefix; // one-floor run: the first part without its last two characters
    bool single = false;
    bool oneFloor = false;
};

QString roomNumber(const Batch &batch, int floor, int index)
{
    if (batch.single)
        return batch.roomText;
    if (batch.oneFloor)
        return batch.prefix + indexText(index);
    return QString::number(floor) + indexText(index);
}

void insertRooms(const RoomsDefinationTexts &texts, const Batch &batch, const TBuildingInfo &building,
                 const TRoomInfo &values)
{
    BusyCursor busy;
    TRoomInfo room = values;
    room.BldNo = building.BldNo;
    room.Status = Common.RoomStatus_VC;
    for (int floor = batch.floorFirst; floor <= batch.floorLast; ++floor) {
        for (int index = batch.indexFirst; index <= batch.indexLast; ++index) {
            room.FlrNo = floor;
            room.RomID = batch.single ? batch.singleIndex : index;
            room.RomID2 = index;
            room.RoomNo = roomNumber(batch, floor, index);
            // Each room is its own statement: one that fails is reported and
            // the others still go in.
            QString error;
            if (!InsertRoom(room, &error)) {
                ShowError(QStringLiteral("E0008"), texts.ErrAddRoom + u'\n' + error + u'\n'
                                                       + LockNoOf(building.BldNo, floor, room.RomID));
            }
        }
    }
}

} // namespace

bool InsertNewRooms(const RoomsDefinationTexts &texts, const RoomBatchPrompts &prompts, const TBuildingInfo &building,
                    const TRoomInfo &selected)
{
    const QString &caption = prompts.caption;
    const auto refuse = [](const char *code, const QString &input) {
        ShowWarning(QLatin1String(code), Common.ErrInput + u'\n' + input);
        return false;
    };

    // 1: the floor or floor range
    const QString floors = InputBox(caption, texts.InputFlrNo + u'\n', QString()).trimmed();
    if (floors.isEmpty())
        return false;
    const NumberRange floorRange = ParseNumberRange(floors);
    if (floorRange.kind == 0 || floorRange.firstValue() > kMaxFloorNo || floorRange.lastValue() > kMaxFloorNo)
        return refuse("N9008", floors);
    Batch batch;
    batch.floorFirst = floorRange.firstValue();
    batch.floorLast = floorRange.lastValue();
    const bool severalFloors = batch.floorLast != batch.floorFirst;

    // 2: the room number or room range
    batch.roomText = InputBox(caption, texts.InputRoomNo + u'\n', QString()).trimmed().left(kMaxRoomText);
    if (batch.roomText.isEmpty())
        return false;
    const NumberRange rooms = ParseNumberRange(batch.roomText);
    // A single room number over several floors would give every floor the
    // same room; so would a text that is no number at all (index 0 on each floor).
    if (rooms.kind != 2 && severalFloors)
        return refuse("N9009", QStringLiteral("%1-%2\n").arg(batch.floorFirst).arg(batch.floorLast) + batch.roomText);
    if (rooms.kind != 0) {
        batch.indexFirst = indexOf(rooms.first);
        batch.indexLast = indexOf(rooms.last);
        batch.prefix = rooms.first.chopped(qMin<qsizetype>(2, rooms.first.size()));
    }
    batch.single = !severalFloors && batch.indexFirst == batch.indexLast;
    batch.oneFloor = !severalFloors && !batch.single;

    // 3: the index of a single room
    if (batch.single) {
        const std::optional<int> whole = ParseWholeNumber(batch.roomText);
        const QString offered = whole && *whole != 0 ? batch.roomText.right(3) : QString();
        const std::optional<QString> index = ask(caption, texts.InputRomID + u'\n', offered);
        if (!index)
            return false;
        const std::optional<int> value = ParseWholeNumber(*index);
        if (!value || *value < 0 || *value > kMaxRoomIndex)
            return refuse("N9010", *index);
        batch.singleIndex = *value;
    }

    // 4 to 8: type, prices and the number of cards
    TRoomInfo values;
    const std::optional<QString> type = ask(caption, texts.InputType + u'\n', selected.sType);
    if (!type)
        return false;
    values.sType = type->left(kMaxRoomText);
    const struct {
        QString prompt;
        Currency current;
        const char *refusal;
        Currency *target;
    } prices[] = {
        {texts.InputPrice + u'\n', selected.Price, "N9011", &values.Price},
        {prompts.hourStartHeader, selected.HourRateStartup, "N9076", &values.HourRateStartup},
        {prompts.hourPriceHeader, selected.HourRatePrice, "N9077", &values.HourRatePrice},
    };
    for (const auto &price : prices) {
        const std::optional<QString> answer = ask(caption, price.prompt, price.current.toString());
        if (!answer)
            return false;
        const std::optional<Currency> value = ParsePriceText(*answer);
        if (!value)
            return refuse(price.refusal, *answer);
        *price.target = *value;
    }
    const std::optional<QString> cards = ask(caption, texts.InputMaxCardNum + u'\n', QString::number(selected.MaxCards));
    if (!cards)
        return false;
    const std::optional<int> maxCards = ParseWholeNumber(*cards);
    if (!maxCards || *maxCards < 1 || *maxCards > kMaxCards)
        return refuse("N9012", *cards);
    values.MaxCards = *maxCards;

    insertRooms(texts, batch, building, values);
    return true;
}
