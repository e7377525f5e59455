// The floor and room entries of the batch room entry, as typed.

#include "fuzzsupport.h"
#include "screens/rooms/numberrange.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const NumberRange range = ParseNumberRange(QString::fromUtf8(FuzzBytes(data, size)));
    if (range.kind == 0)
        return 0;
    FuzzCheck(range.first.size() <= 8 && range.last.size() <= 8);
    FuzzCheck(range.kind == 1 ? range.first == range.last : range.lastValue() > range.firstValue());
    return 0;
}
