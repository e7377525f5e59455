// The card read buffer as the encoder library hands it back: any 72 bytes.
// The card register and the rooms are a small delivered database, so the
// register lookup and the room of a lock code run as at the front desk.

#include "cards/carddecode.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "fuzzsupport.h"
#include "store/connection.h"
#include "store/dialect.h"
#include "store/rooms.h"
#include "store/schema.h"

#include <QSqlDatabase>

#include <cstring>

namespace {

void makeDatabase()
{
    const QString path = QDir::current().filePath(QStringLiteral("Zumerak.MDB"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz-create"));
        db.setDatabaseName(path);
        QString error;
        if (!db.open() || !PrepareSqliteConnection(db, &error) || !CreateSchema(db, &error)
            || !InsertSampleProperty(db, Common.RoomStatus_VC, &error))
            std::abort();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fuzz-create"));
    QString error;
    if (!OpenFileDatabase(path, &error))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    LoadSettings();
    LoadSharedTexts();
    makeDatabase();
    LoadAryRoom();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::memset(bufCard, 0, sizeof bufCard);
    std::memcpy(bufCard, data, std::min(size, sizeof bufCard - 1));
    curCard = TCardInfo{};
    DecodeCard();
    CardOptionBytes();
    return 0;
}
