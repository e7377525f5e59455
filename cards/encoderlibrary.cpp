#include "cards/encoderlibrary.h"

#include "cards/encodercalls.h"
#include "core/settings.h"

#include <QLibrary>

#include <cstring>
#include <memory>
#include <vector>

namespace Encoder {

namespace {

struct Calls {
    InitializeUsbCall initializeUSB;
    IniCardCall IniCard;
    GetDllVersionCall GetDLLVersion;
    ReadCardCall ReadCard;
    ReadRecordCall ReadRecord;
    CardEraseCall CardErase;
    BuzzerCall Buzzer;
    ResetCardCall ResetCard;
    RecordCardCall RecordCard;
    RoomSetCardCall RoomSetCard;
    TimeSetCardCall TimeSetCard;
    LimitCardCall LimitCard;
    GroupSetCardCall GroupSetCard;
    GuestCardCall GuestCard;
    CheckOutCardCall CheckOutCard;
    GroupCardCall GroupCard;
    StaffCardCall EmergencyCard;
    StaffCardCall MasterCard;
    AreaCardCall BuildingCard;
    AreaCardCall FloorCard;
};

struct Loaded {
    std::unique_ptr<QLibrary> library;
    QString name;
    bool complete = false;
    Calls calls{};
};

Loaded &loaded()
{
    static Loaded instance;
    return instance;
}

template <typename Call> bool resolve(QLibrary &library, const char *name, Call &call)
{
    call = reinterpret_cast<Call>(library.resolve(name));
    return call != nullptr;
}

// The library's calls, or nullptr when it is missing or incomplete.
const Calls *calls()
{
    Loaded &state = loaded();
    if (state.library && state.name == settings.EncoderLibrary)
        return state.complete ? &state.calls : nullptr;
    Unload();
    state.name = settings.EncoderLibrary;
    state.library = std::make_unique<QLibrary>(settings.EncoderLibrary);
    if (settings.EncoderLibrary.isEmpty() || !state.library->load())
        return nullptr;
    QLibrary &library = *state.library;
    Calls &c = state.calls;
    state.complete = resolve(library, "initializeUSB", c.initializeUSB) && resolve(library, "IniCard", c.IniCard)
                  && resolve(library, "GetDLLVersion", c.GetDLLVersion) && resolve(library, "ReadCard", c.ReadCard)
                  && resolve(library, "ReadRecord", c.ReadRecord) && resolve(library, "CardErase", c.CardErase)
                  && resolve(library, "Buzzer", c.Buzzer) && resolve(library, "ResetCard", c.ResetCard)
                  && resolve(library, "RecordCard", c.RecordCard) && resolve(library, "RoomSetCard", c.RoomSetCard)
                  && resolve(library, "TimeSetCard", c.TimeSetCard) && resolve(library, "LimitCard", c.LimitCard)
                  && resolve(library, "GroupSetCard", c.GroupSetCard) && resolve(library, "GuestCard", c.GuestCard)
                  && resolve(library, "CheckOutCard", c.CheckOutCard) && resolve(library, "GroupCard", c.GroupCard)
                  && resolve(library, "EmergencyCard", c.EmergencyCard)
                  && resolve(library, "MasterCard", c.MasterCard)
                  && resolve(library, "BuildingCard", c.BuildingCard) && resolve(library, "FloorCard", c.FloorCard);
    return state.complete ? &state.calls : nullptr;
}

// Far larger than any buffer of the library, so that a library writing more
// than it should writes into this and not into the caller's buffer.
char *scratch()
{
    static std::vector<char> buffer(64 * 1024);
    std::fill(buffer.begin(), buffer.end(), '\0');
    return buffer.data();
}

template <std::size_t N> void copyOut(char (&target)[N], const char *from)
{
    const std::size_t length = strnlen(from, N - 1);
    std::memcpy(target, from, length);
    std::memset(target + length, 0, N - length);
}

unsigned char byte(int value)
{
    return static_cast<unsigned char>(value);
}

// Calls a writer of the library with the card data written copied to out.
template <typename Member, typename... Args> int write(Member member, Out out, Args... args)
{
    out[0] = '\0';
    const Calls *c = calls();
    if (!c)
        return kEncoderMissing;
    char *buffer = scratch();
    const int result = (c->*member)(args..., buffer);
    copyOut(out, buffer);
    return result;
}

} // namespace

void Unload()
{
    Loaded &state = loaded();
    if (state.library)
        state.library->unload();
    state.library.reset();
    state.complete = false;
    state.calls = Calls{};
}

int initializeUSB(int flag)
{
    const Calls *c = calls();
    return c ? c->initializeUSB(byte(flag)) : kEncoderMissing;
}

int IniCard(int mode, int what, char (&info)[kReaderInfoSize])
{
    info[0] = '\0';
    const Calls *c = calls();
    if (!c)
        return kEncoderMissing;
    char *buffer = scratch();
    const int result = c->IniCard(byte(mode), byte(what), buffer);
    copyOut(info, buffer);
    return result;
}

int GetDLLVersion(char (&version)[kVersionSize])
{
    version[0] = '\0';
    const Calls *c = calls();
    if (!c)
        return kEncoderMissing;
    char *buffer = scratch();
    const int result = c->GetDLLVersion(buffer);
    copyOut(version, buffer);
    return result;
}

int ReadCard(int mode, char (&card)[kCardBufferSize])
{
    card[0] = '\0';
    const Calls *c = calls();
    if (!c)
        return kEncoderMissing;
    char *buffer = scratch();
    const int result = c->ReadCard(byte(mode), buffer);
    copyOut(card, buffer);
    return result;
}

int ReadRecord(int mode, QString &records)
{
    records.clear();
    const Calls *c = calls();
    if (!c)
        return kEncoderMissing;
    char *buffer = scratch();
    const int result = c->ReadRecord(byte(mode), buffer);
    records = QString::fromLatin1(buffer, static_cast<qsizetype>(strnlen(buffer, kRecordsLength)));
    return result;
}

int CardErase(int mode, int coId, Out out)
{
    return write(&Calls::CardErase, out, byte(mode), coId);
}

int Buzzer(int mode, int length)
{
    const Calls *c = calls();
    return c ? c->Buzzer(byte(mode), byte(length)) : kEncoderMissing;
}

int ResetCard(int mode, int coId, int counter, int dai, int baoJing, int tiShi, const QByteArray &now, Out out)
{
    return write(&Calls::ResetCard, out, byte(mode), coId, byte(counter), byte(dai), byte(baoJing), byte(tiShi),
                 now.constData());
}

int RecordCard(int mode, int coId, int counter, int dai, int two, const QByteArray &now, Out out)
{
    return write(&Calls::RecordCard, out, byte(mode), coId, byte(counter), byte(dai), byte(two), now.constData());
}

int RoomSetCard(int mode, int coId, int counter, int dai, const QByteArray &now, const QByteArray &lockNo, Out out)
{
    return write(&Calls::RoomSetCard, out, byte(mode), coId, byte(counter), byte(dai), now.constData(),
                 lockNo.constData());
}

int TimeSetCard(int mode, int coId, int counter, int dai, int zero, const QByteArray &now, Out out)
{
    return write(&Calls::TimeSetCard, out, byte(mode), coId, byte(counter), byte(dai), byte(zero), now.constData());
}

int LimitCard(int mode, int coId, int counter, int dai, const QByteArray &now, const unsigned char (&cardId)[4],
              Out out)
{
    return write(&Calls::LimitCard, out, byte(mode), coId, byte(counter), byte(dai), now.constData(), cardId[0],
                 cardId[1], cardId[2], cardId[3]);
}

int GroupSetCard(int mode, int coId, int counter, int dai, const QByteArray &now, int groupNo, int groupOp, Out out)
{
    return write(&Calls::GroupSetCard, out, byte(mode), coId, byte(counter), byte(dai), now.constData(),
                 byte(groupNo), byte(groupOp));
}

int GuestCard(int mode, int coId, int counter, int dai, int lLock, const QByteArray &now, const QByteArray &end,
              const QByteArray &lockNo, Out out)
{
    return write(&Calls::GuestCard, out, byte(mode), coId, byte(counter), byte(dai), byte(lLock), now.constData(),
                 end.constData(), lockNo.constData());
}

int CheckOutCard(int mode, int coId, int counter, int dai, const QByteArray &now, Out out)
{
    return write(&Calls::CheckOutCard, out, byte(mode), coId, byte(counter), byte(dai), now.constData());
}

int GroupCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
              const QByteArray &start, const QByteArray &end, int groupNo, Out out)
{
    return write(&Calls::GroupCard, out, byte(mode), coId, byte(counter), byte(dai), byte(accessBolt), byte(days),
                 now.constData(), start.constData(), end.constData(), byte(groupNo));
}

int EmergencyCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
                  const QByteArray &start, const QByteArray &end, Out out)
{
    return write(&Calls::EmergencyCard, out, byte(mode), coId, byte(counter), byte(dai), byte(accessBolt),
                 byte(days), now.constData(), start.constData(), end.constData());
}

int MasterCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
               const QByteArray &start, const QByteArray &end, Out out)
{
    return write(&Calls::MasterCard, out, byte(mode), coId, byte(counter), byte(dai), byte(accessBolt), byte(days),
                 now.constData(), start.constData(), end.constData());
}

int BuildingCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
                 const QByteArray &start, const QByteArray &end, const QByteArray &building, Out out)
{
    return write(&Calls::BuildingCard, out, byte(mode), coId, byte(counter), byte(dai), byte(accessBolt),
                 byte(days), now.constData(), start.constData(), end.constData(), building.constData());
}

int FloorCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
              const QByteArray &start, const QByteArray &end, const QByteArray &buildingFloor, Out out)
{
    return write(&Calls::FloorCard, out, byte(mode), coId, byte(counter), byte(dai), byte(accessBolt), byte(days),
                 now.constData(), start.constData(), end.constData(), buildingFloor.constData());
}

} // namespace Encoder
