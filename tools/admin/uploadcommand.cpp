#include "tools/admin/uploadcommand.h"

#include "core/consoleport.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "screens/reports/recordupload.h"
#include "screens/reports/reportstexts.h"
#include "store/database.h"

#include <cstdio>

int RunUpload(bool yes, bool server)
{
    static ConsolePort port(yes ? ConsolePort::Answers::Confirm : ConsolePort::Answers::Preselected);
    SetOperatorPort(&port);
    BuildFlag = server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    static TData1 data;
    if (!Db().isOpen())
        return 1;
    UploadDisplay display;
    display.deviceText = [](const QString &text) { std::fprintf(stderr, "device: %s\n", qPrintable(text)); };
    return UploadLockRecords(ReadReportsTexts(), display) ? 0 : 1;
}
