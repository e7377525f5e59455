#pragma once

#include "core/state.h"

#include <QByteArray>
#include <QString>

// The encoder library, loaded from [SYSTEM] EncoderLibrary the first time a
// call needs it (a bare name like "Lumtek" is looked up as the platform names
// libraries, a path is taken as it is). A library that cannot be loaded, or
// lacks any of the calls, is a device that does not answer: every call returns
// kEncoderMissing and leaves its buffer empty. The library writes into a large
// scratch buffer; only the buffer's own size is copied out, always terminated.
namespace Encoder {

inline constexpr int kEncoderMissing = -1;
inline constexpr int kVersionSize = 129;

int initializeUSB(int flag);
int IniCard(int mode, int what, char (&info)[kReaderInfoSize]);
int GetDLLVersion(char (&version)[kVersionSize]);
int ReadCard(int mode, char (&card)[kCardBufferSize]);
// The opening records, 74 characters each, up to 20000 characters.
int ReadRecord(int mode, QString &records);
int CardErase(int mode, int coId, char (&out)[kWriteBufferSize]);
int Buzzer(int mode, int length);

// The card writers. Counters and option values are passed as bytes; now and end
// are "yyMMddHHmm", start "HHmm".
using Out = char (&)[kWriteBufferSize];
int ResetCard(int mode, int coId, int counter, int dai, int baoJing, int tiShi, const QByteArray &now, Out out);
int RecordCard(int mode, int coId, int counter, int dai, int two, const QByteArray &now, Out out);
int RoomSetCard(int mode, int coId, int counter, int dai, const QByteArray &now, const QByteArray &lockNo, Out out);
int TimeSetCard(int mode, int coId, int counter, int dai, int zero, const QByteArray &now, Out out);
int LimitCard(int mode, int coId, int counter, int dai, const QByteArray &now, const unsigned char (&cardId)[4],
              Out out);
int GroupSetCard(int mode, int coId, int counter, int dai, const QByteArray &now, int groupNo, int groupOp, Out out);
int GuestCard(int mode, int coId, int counter, int dai, int lLock, const QByteArray &now, const QByteArray &end,
              const QByteArray &lockNo, Out out);
int CheckOutCard(int mode, int coId, int counter, int dai, const QByteArray &now, Out out);
int GroupCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
              const QByteArray &start, const QByteArray &end, int groupNo, Out out);
int EmergencyCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
                  const QByteArray &start, const QByteArray &end, Out out);
int MasterCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
               const QByteArray &start, const QByteArray &end, Out out);
int BuildingCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
                 const QByteArray &start, const QByteArray &end, const QByteArray &building, Out out);
int FloorCard(int mode, int coId, int counter, int dai, int accessBolt, int days, const QByteArray &now,
              const QByteArray &start, const QByteArray &end, const QByteArray &buildingFloor, Out out);

// Forgets the loaded library, so that the next call loads EncoderLibrary again.
void Unload();

} // namespace Encoder
