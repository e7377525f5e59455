#include "lockrecords.h"

#include "cards/encodercalls.h"
#include "simcard.h"
#include "simlock.h"

#include <QStringList>

namespace {

constexpr int kLineLength = 74;
constexpr int kSystemRecords = 32;
constexpr int kTimedSystemRecord = 19;
const QString kNoRecord = QStringLiteral("FFFFFFFFFFFFFFFF");

// Year - 2014, month, day, hour, minute and seconds * 4, a byte each.
QString recordTime(const QDateTime &time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    if (date.year() < 2014 || date.year() > 2014 + 255)
        return kNoRecord;
    return QString::asprintf("%.2X%.2X%.2X%.2X%.2X%.2XFFFF", date.year() - 2014, date.month(), date.day(),
                             clock.hour(), clock.minute(), clock.second() * 4);
}

} // namespace

int LockMemory()
{
    return kRecordsLength / kLineLength * 4 - kSystemRecords;
}

QString OpeningRecord(const QString &cardId, const QDateTime &lockTime)
{
    const auto packed = PackDateTime(lockTime);
    return cardId + (packed ? QString::asprintf("%.6X", *packed) : QStringLiteral("FFFFFF"))
         + QString::asprintf("%.2X", lockTime.time().second() / 2 & 0x1F);
}

QString CollectedRecords(const SimLock &lock, const QDateTime &lockTime)
{
    QStringList records(kSystemRecords, kNoRecord);
    records[0] = QString::asprintf("00%.6X%.2X%.2X0000", lock.systemCode.value_or(0), lock.baoJing & 0xFF,
                                   lock.tiShi & 0xFF);
    const std::array<int, 3> lockNo = lock.lockNo.value_or(std::array<int, 3>{});
    records[1] = QString::asprintf("00%.2X%.2X%.2X00000000", lockNo[2], lockNo[1], lockNo[0]);
    records[kTimedSystemRecord] = recordTime(lockTime);
    records += lock.records;
    while (records.size() % 4 != 0)
        records << kNoRecord;
    QString text;
    for (int i = 0; i < records.size(); i += 4)
        text += QStringLiteral("000000") + records.mid(i, 4).join(QString()) + QStringLiteral("0000\n");
    return text;
}
