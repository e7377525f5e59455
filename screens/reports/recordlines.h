#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// One lock record as the collector hands it over, ready for RecordOpen.
struct LockRecord {
    int OrderFlag = 0;
    QString RecData;
    QDateTime OpenTime;
};

// The records of the collector's data: lines of 74 characters, each holding
// four 16-character records from its 7th character; an incomplete last line
// is ignored. Records 0-18 are system records without a time (OrderFlag
// 1-19), 19-31 system records with one (20-32), the rest door openings
// (OrderFlag 0) with the packed time of characters 9-14 and the seconds of
// the last byte.
QList<LockRecord> ParseRecordLines(const QString &text);
