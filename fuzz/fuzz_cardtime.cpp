// The packed times of cards (6 hexadecimal digits) and of lock records (12),
// as they come off a card or out of the record collector.

#include "fuzzsupport.h"
#include "store/cardregister.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString digits = QString::fromLatin1(FuzzBytes(data, size));
    const QDateTime card = DecodeCardTime(true, digits);
    FuzzCheck(card.isValid());
    const QDateTime record = DecodeRecordTime(digits);
    FuzzCheck(record.isValid());
    return 0;
}
