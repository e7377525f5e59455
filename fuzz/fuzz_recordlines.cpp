// The record collector's data as the library hands it over.

#include "core/records.h"
#include "fuzzsupport.h"
#include "screens/reports/recordlines.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(FuzzBytes(data, size));
    const QList<LockRecord> records = ParseRecordLines(text);
    FuzzCheck(records.size() == text.size() / 74 * 4);
    for (qsizetype i = 0; i < records.size(); ++i) {
        const LockRecord &record = records[i];
        FuzzCheck(record.RecData.size() == 16);
        FuzzCheck(record.OrderFlag == (i < 32 ? i + 1 : 0));
        FuzzCheck(record.OpenTime.isValid());
        if (i < 19)
            FuzzCheck(record.OpenTime == DateTimeZero());
    }
    return 0;
}
