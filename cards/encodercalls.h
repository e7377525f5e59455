#pragma once

// The C calls of the encoder library, with their argument orders. Every device
// call takes the connection mode first and returns 0 for success. Text results
// are NUL-terminated upper-case hexadecimal text in the caller's buffer; dates
// are "yyMMddHHmm" and daily start times "HHmm".

extern "C" {
using InitializeUsbCall = int (*)(unsigned char flag);
using IniCardCall = int (*)(unsigned char mode, unsigned char what, char *info);
using GetDllVersionCall = int (*)(char *version);
using ReadCardCall = int (*)(unsigned char mode, char *card);
using ReadRecordCall = int (*)(unsigned char mode, char *records);
using CardEraseCall = int (*)(unsigned char mode, int coId, char *out);
using BuzzerCall = int (*)(unsigned char mode, unsigned char length);

// The card writers: mode, system code, card counter, issue counter, the items of
// the kind, and last the card data written.
using ResetCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              unsigned char baoJing, unsigned char tiShi, const char *now, char *out);
using RecordCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                               unsigned char two, const char *now, char *out);
using RoomSetCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                                const char *now, const char *lockNo, char *out);
using TimeSetCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                                unsigned char zero, const char *now, char *out);
using LimitCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              const char *now, unsigned char id1, unsigned char id2, unsigned char id3,
                              unsigned char id4, char *out);
using GroupSetCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                                 const char *now, unsigned char groupNo, unsigned char groupOp, char *out);
using GuestCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              unsigned char lLock, const char *now, const char *end, const char *lockNo,
                              char *out);
using CheckOutCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                                 const char *now, char *out);
using GroupCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              unsigned char accessBolt, unsigned char days, const char *now,
                              const char *start, const char *end, unsigned char groupNo, char *out);
// EmergencyCard and MasterCard.
using StaffCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                              unsigned char accessBolt, unsigned char days, const char *now,
                              const char *start, const char *end, char *out);
// BuildingCard ("%.3d" building) and FloorCard ("%.3d%.3d" building, floor).
using AreaCardCall = int (*)(unsigned char mode, int coId, unsigned char counter, unsigned char dai,
                             unsigned char accessBolt, unsigned char days, const char *now,
                             const char *start, const char *end, const char *area, char *out);
}

// Sizes of the buffers the library fills: the read buffer is 72 characters, the
// card data written 50, the reader information 128, the opening records 20000.
inline constexpr int kCardTextLength = 72;
inline constexpr int kWriteTextLength = 50;
inline constexpr int kReaderInfoLength = 128;
inline constexpr int kRecordsLength = 20000;
