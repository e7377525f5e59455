#include "cards/encodergreeting.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/abouttext.h"
#include "core/clock.h"
#include "core/state.h"

namespace {

const QString kRecordCollector = QStringLiteral("5737");
const QString kCardEncoder = QStringLiteral("5137");
constexpr int kUnknownModelBeeps = 14;
constexpr int kUnknownModelPauseMs = 200;

// Characters 7-10 of the reader information.
QString modelCode()
{
    return ReaderInfoText().mid(6, 4);
}

} // namespace

void OpenEncoderAtLogon()
{
    if (EncoderMode != -1)
        return;
    OpenEncoder();
    if (EncoderMode == -1)
        return;
    Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    const QString model = modelCode();
    if (model == kRecordCollector) {
        Encoder::Buzzer(EncoderMode, 100);
        return;
    }
    EncoderModel = model;
    if (model == kCardEncoder) {
        Encoder::Buzzer(EncoderMode, 50);
        return;
    }
    // An unknown device is let in, but it says so loudly.
    for (int beep = 0; beep < kUnknownModelBeeps; ++beep) {
        Encoder::Buzzer(EncoderMode, 20);
        Clock().wait(kUnknownModelPauseMs);
    }
}

QString EncoderAboutText()
{
    char version[Encoder::kVersionSize] = {};
    const int versionResult = Encoder::GetDLLVersion(version);
    char info[kReaderInfoSize] = {};
    const int readerResult = Encoder::IniCard(EncoderMode, 2, info);
    return AboutText(versionResult, QString::fromLatin1(version), readerResult, QString::fromLatin1(info));
}
