#include "screens/reports/recordupload.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/operatorport.h"
#include "core/state.h"
#include "screens/reports/recordlines.h"
#include "screens/reports/reportstexts.h"
#include "store/cardregister.h"

namespace {

const QLatin1String kCollectorModel("5737");

void show(const std::function<void(const QString &)> &deviceText, const QString &text)
{
    if (deviceText)
        deviceText(text);
}

} // namespace

bool UploadLockRecords(const ReportsTexts &texts, const UploadDisplay &display)
{
    OpenEncoder();
    if (EncoderMode == -1)
        return false;
    char info[kReaderInfoSize] = {};
    const int identified = Encoder::IniCard(EncoderMode, 2, info);
    const QString infoText = QString::fromLatin1(info);
    show(display.deviceText, infoText);
    if (identified != 0) {
        ShowError(QStringLiteral("E0051"), texts.errRecorder1 + u'\n' + QString::number(identified));
        return false;
    }
    if (infoText.mid(6, 4) != kCollectorModel) {
        ShowError(QStringLiteral("E0052"), texts.errRecorder2);
        return false;
    }
    if (!AskOkCancel(QStringLiteral("N9060"), texts.msgRecorder1))
        return false;
    BusyCursor hourglass;
    QString data;
    const int read = Encoder::ReadRecord(EncoderMode, data);
    if (read != 0) {
        show(display.deviceText, data);
        ShowError(QStringLiteral("E0053"), texts.errRecorder3 + u'\n' + QString::number(read));
        return false;
    }
    if (!AskOkCancel(QStringLiteral("N9061"), texts.msgRecorder2))
        return false;
    if (!ClearRecordOpen())
        return false;
    const QList<LockRecord> records = ParseRecordLines(data);
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (display.progress)
            display.progress(int(i), int(records.size()));
        // A failed insert stops here; the records already in stay as a partial upload.
        if (!InsertRecordOpen(records[i].OrderFlag, records[i].RecData, records[i].OpenTime))
            break;
    }
    return true;
}
