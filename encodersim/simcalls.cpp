// The encoder library's calls, answered by the simulated device.

#include "cards/encodercalls.h"
#include "simdevice.h"

#include <QtGlobal>

#include <cstring>

namespace {

void copyOut(char *buffer, const QString &text, int capacity)
{
    if (!buffer)
        return;
    const QByteArray bytes = text.left(capacity).toLatin1();
    std::memcpy(buffer, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    buffer[bytes.size()] = '\0';
}

// The device, when it answers in this mode.
std::optional<SimDevice> answering(unsigned char mode)
{
    SimDevice device = SimDevice::load();
    if (!device.plugged || mode != (device.dusb ? 0 : 1))
        return std::nullopt;
    return device;
}

int takeFailure(SimDevice &device, int SimDevice::*failure)
{
    const int code = device.*failure;
    if (code != 0) {
        device.*failure = 0;
        device.save();
    }
    return code;
}

int writeCard(unsigned char mode, CardOrder order, const char *now, char *out)
{
    auto device = answering(mode);
    if (!device)
        return SimNoAnswer;
    if (device->collector)
        return SimWrongModel;
    if (const int code = takeFailure(*device, &SimDevice::failWrite))
        return code;
    auto card = device->card();
    if (!card)
        return SimNoCard;
    const auto issue = PackTime(now);
    if (!issue)
        return SimBadArgument;
    order.issue = *issue;
    if (device->failKind) {
        device->failKind = false;
        order.kind = (order.kind + 1) & 15;
    }
    WriteOrder(*card, order);
    if (!device->store(*card))
        return SimStateLost;
    if (device->failReadback == 1)
        device->failReadback = 2;
    if (device->failReadAfterWrite != 0) {
        device->failRead = device->failReadAfterWrite;
        device->failReadAfterWrite = 0;
    }
    device->save();
    copyOut(out, card->text(), kWriteTextLength);
    return takeFailure(*device, &SimDevice::failWritten);
}

CardOrder order(int coId, unsigned char counter, unsigned char dai, int kind)
{
    CardOrder order;
    order.coId = coId;
    order.counter = counter;
    order.dai = dai;
    order.kind = kind;
    return order;
}

// Staff cards: access bolt, start time byte, end time; nullopt for a bad time.
std::optional<CardOrder> staffOrder(int coId, unsigned char counter, unsigned char dai, int kind,
                                    unsigned char accessBolt, unsigned char constant, const char *start,
                                    const char *end)
{
    CardOrder staff = order(coId, counter, dai, kind);
    const auto startByte = PackStart(start);
    staff.end = PackTime(end);
    if (!startByte || !staff.end)
        return std::nullopt;
    staff.accessBolt = accessBolt != 0;
    staff.constant = constant;
    staff.lockArea[1] = *startByte;
    return staff;
}

} // namespace

extern "C" {

Q_DECL_EXPORT int initializeUSB(unsigned char flag)
{
    return answering(flag) ? SimOk : SimNoAnswer;
}

Q_DECL_EXPORT int IniCard(unsigned char mode, unsigned char what, char *info)
{
    const auto device = answering(mode);
    if (!device)
        return SimNoAnswer;
    if (what != 2)
        return SimBadArgument;
    const QString model = device->collector ? QStringLiteral("5737") : QStringLiteral("5137");
    copyOut(info, (QStringLiteral("550100") + model).leftJustified(kReaderInfoLength, u'0'), kReaderInfoLength);
    return SimOk;
}

Q_DECL_EXPORT int GetDLLVersion(char *version)
{
    copyOut(version, QStringLiteral("Zumerak encoder simulator 1.0"), 64);
    return SimOk;
}

Q_DECL_EXPORT int ReadCard(unsigned char mode, char *buffer)
{
    auto device = answering(mode);
    if (!device)
        return SimNoAnswer;
    if (const int code = takeFailure(*device, &SimDevice::failRead))
        return code;
    auto card = device->card();
    if (!card) {
        copyOut(buffer, QStringLiteral("551500").leftJustified(kCardTextLength, u'0'), kCardTextLength);
        return SimOk;
    }
    if (device->failReadback == 2) {
        device->failReadback = 0;
        device->save();
        card->bytes[9] ^= 0x01;
    }
    copyOut(buffer, card->readBuffer(), kCardTextLength);
    return SimOk;
}

Q_DECL_EXPORT int ReadRecord(unsigned char mode, char *records)
{
    auto device = answering(mode);
    if (!device)
        return SimNoAnswer;
    if (!device->collector)
        return SimWrongModel;
    if (const int code = takeFailure(*device, &SimDevice::failRead))
        return code;
    QString text;
    for (const QString &line : device->records().split(u'\n', Qt::SkipEmptyParts)) {
        if (text.size() + line.trimmed().size() > kRecordsLength)
            break;
        text += line.trimmed();
    }
    copyOut(records, text, kRecordsLength);
    return SimOk;
}

Q_DECL_EXPORT int CardErase(unsigned char mode, int coId, char *out)
{
    auto device = answering(mode);
    if (!device)
        return SimNoAnswer;
    if (device->collector)
        return SimWrongModel;
    if (const int code = takeFailure(*device, &SimDevice::failErase))
        return code;
    const auto card = device->card();
    if (!card)
        return SimNoCard;
    if (!card->isBlank() && card->coId() != ((coId & 0xFF0000) | (coId & 0x3FFF)))
        return SimForeignCard;
    const SimCard erased = SimCard::blank(card->serial);
    if (!device->store(erased))
        return SimStateLost;
    copyOut(out, erased.text(), kWriteTextLength);
    return SimOk;
}

Q_DECL_EXPORT int Buzzer(unsigned char mode, unsigned char)
{
    return answering(mode) ? SimOk : SimNoAnswer;
}

Q_DECL_EXPORT int ResetCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                            unsigned char baoJing, unsigned char tiShi, const char *now, char *out)
{
    CardOrder reset = order(coId, counter, dai, 0);
    reset.lockArea[2] = baoJing;
    reset.lockArea[3] = tiShi;
    return writeCard(mode, reset, now, out);
}

Q_DECL_EXPORT int RecordCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                             unsigned char constant, const char *now, char *out)
{
    CardOrder record = order(coId, counter, dai, 1);
    record.constant = constant;
    return writeCard(mode, record, now, out);
}

Q_DECL_EXPORT int RoomSetCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              const char *now, const char *lockNo, char *out)
{
    const auto lock = ParseLockNo(lockNo, 9);
    if (!lock)
        return SimBadArgument;
    CardOrder roomSet = order(coId, counter, dai, 2);
    roomSet.lockArea = {0, lock->room, lock->floor, lock->building};
    return writeCard(mode, roomSet, now, out);
}

Q_DECL_EXPORT int TimeSetCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              unsigned char constant, const char *now, char *out)
{
    CardOrder timeSet = order(coId, counter, dai, 3);
    timeSet.constant = constant;
    return writeCard(mode, timeSet, now, out);
}

Q_DECL_EXPORT int LimitCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                            const char *now, unsigned char id1, unsigned char id2, unsigned char id3,
                            unsigned char id4, char *out)
{
    CardOrder limit = order(coId, counter, dai, 4);
    limit.lockArea = {id1, id2, id3, id4};
    return writeCard(mode, limit, now, out);
}

Q_DECL_EXPORT int GroupSetCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                               const char *now, unsigned char groupNo, unsigned char groupOp, char *out)
{
    CardOrder groupSet = order(coId, counter, dai, 5);
    groupSet.lockArea[2] = groupNo;
    groupSet.lockArea[3] = groupOp;
    return writeCard(mode, groupSet, now, out);
}

Q_DECL_EXPORT int GuestCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                            unsigned char lLock, const char *now, const char *end, const char *lockNo, char *out)
{
    const auto lock = ParseLockNo(lockNo, 9);
    CardOrder guest = order(coId, counter, dai, 6);
    guest.end = PackTime(end);
    if (!lock || !guest.end)
        return SimBadArgument;
    guest.accessBolt = lLock != 0;
    guest.lockArea = {0, lock->room, lock->floor, lock->building};
    return writeCard(mode, guest, now, out);
}

Q_DECL_EXPORT int CheckOutCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                               const char *now, char *out)
{
    return writeCard(mode, order(coId, counter, dai, 7), now, out);
}

Q_DECL_EXPORT int GroupCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                            unsigned char accessBolt, unsigned char constant, const char *now, const char *start,
                            const char *end, unsigned char groupNo, char *out)
{
    auto group = staffOrder(coId, counter, dai, 8, accessBolt, constant, start, end);
    if (!group)
        return SimBadArgument;
    group->lockArea[2] = groupNo;
    return writeCard(mode, *group, now, out);
}

Q_DECL_EXPORT int EmergencyCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                                unsigned char accessBolt, unsigned char constant, const char *now, const char *start,
                                const char *end, char *out)
{
    const auto emergency = staffOrder(coId, counter, dai, 10, accessBolt, constant, start, end);
    return emergency ? writeCard(mode, *emergency, now, out) : SimBadArgument;
}

Q_DECL_EXPORT int MasterCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                             unsigned char accessBolt, unsigned char constant, const char *now, const char *start,
                             const char *end, char *out)
{
    const auto master = staffOrder(coId, counter, dai, 11, accessBolt, constant, start, end);
    return master ? writeCard(mode, *master, now, out) : SimBadArgument;
}

Q_DECL_EXPORT int BuildingCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                               unsigned char accessBolt, unsigned char constant, const char *now, const char *start,
                               const char *end, const char *building, char *out)
{
    auto card = staffOrder(coId, counter, dai, 12, accessBolt, constant, start, end);
    const auto area = ParseLockNo(building, 3);
    if (!card || !area)
        return SimBadArgument;
    card->lockArea[3] = area->building;
    return writeCard(mode, *card, now, out);
}

Q_DECL_EXPORT int FloorCard(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                            unsigned char accessBolt, unsigned char constant, const char *now, const char *start,
                            const char *end, const char *buildingFloor, char *out)
{
    auto card = staffOrder(coId, counter, dai, 13, accessBolt, constant, start, end);
    const auto area = ParseLockNo(buildingFloor, 6);
    if (!card || !area)
        return SimBadArgument;
    card->lockArea[2] = area->floor;
    card->lockArea[3] = area->building;
    return writeCard(mode, *card, now, out);
}

} // extern "C"
