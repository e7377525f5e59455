#pragma once

#include <functional>

class QString;
struct ReportsTexts;

// What the screen shows while records come in: the device's text (status
// panel), and the records written so far of all.
struct UploadDisplay {
    std::function<void(const QString &)> deviceText;
    std::function<void(int done, int total)> progress;
};

// Reads the opening records from the record collector and puts them in place
// of the last upload, after two confirmations (N9060, N9061). A device that
// does not answer (E0051), is no collector (E0052) or cannot be read (E0053)
// ends it. True when RecordOpen was replaced, even partly, so that the door
// report is shown again.
bool UploadLockRecords(const ReportsTexts &texts, const UploadDisplay &display);
