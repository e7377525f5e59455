#include "screens/reports/recordlines.h"

#include "core/hexdigits.h"
#include "core/records.h"
#include "store/cardregister.h"

namespace {

constexpr int kLineLength = 74;
constexpr int kRecordsPerLine = 4;
constexpr int kRecordLength = 16;
constexpr int kFirstRecordColumn = 6;
constexpr int kUntimedSystemRecords = 19;
constexpr int kSystemRecords = 32;

// A door opening's time: the packed minute, and the seconds halved in the low
// five bits of the last byte. Those bits can say 60 or 62, which no minute
// holds: that is taken as the minute's last second.
QDateTime openingTime(const QString &record)
{
    QDateTime time = DecodeCardTime(false, record.mid(8, 6));
    if (time <= DateTimeZero())
        return time;
    const int seconds = (HexValue(QStringView(record).mid(14, 2)).value_or(0) & 0x1F) * 2;
    time.setTime(QTime(time.time().hour(), time.time().minute(), std::min(seconds, 59)));
    return time;
}

} // namespace

QList<LockRecord> ParseRecordLines(const QString &text)
{
    const qsizetype count = text.size() / kLineLength * kRecordsPerLine;
    QList<LockRecord> records;
    records.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype start = i / kRecordsPerLine * kLineLength + kRecordLength * (i % kRecordsPerLine) +
                                kFirstRecordColumn;
        LockRecord record;
        record.RecData = text.mid(start, kRecordLength);
        if (i < kUntimedSystemRecords) {
            record.OrderFlag = int(i) + 1;
            record.OpenTime = DateTimeZero();
        } else if (i < kSystemRecords) {
            record.OrderFlag = int(i) + 1;
            record.OpenTime = DecodeRecordTime(record.RecData);
        } else {
            record.OpenTime = openingTime(record.RecData);
        }
        records.append(record);
    }
    return records;
}
