#include "testworld.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/buildflag.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"

#include <QTest>

TestWorld::TestWorld()
    : TestWorld(WorldOptions())
{
}

TestWorld::TestWorld(const WorldOptions &options)
{
    if (options.encoder)
        encoder.emplace();
    if (options.clock)
        clock.emplace();
    ResetState();
    BuildFlag = BuildKind::File;
    if (!options.systemIni.isEmpty())
        folder.write(QStringLiteral("System.ini"), options.systemIni);
    if (!options.interfaceTxt.isEmpty())
        folder.write(QStringLiteral("Interface.txt"), options.interfaceTxt);
    LoadSettings();
    if (options.encoder)
        settings.EncoderLibrary = SimulatedEncoder::library();
    LoadSharedTexts();
    if (options.database)
        QVERIFY(deliverDatabase(*options.database));
}

TestWorld::~TestWorld()
{
    CloseDatabase();
    if (encoder)
        Encoder::Unload();
}

bool TestWorld::openEncoder()
{
    settings.DBBakPath = folder.file(QStringLiteral("bak"));
    encoder->sim(QStringLiteral("blank"));
    OpenEncoder();
    Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    return CheckEncoder();
}

bool TestWorld::deliverDatabase(Engine engine)
{
    QString error;
    const bool ok = MakeDeliveredDatabase(engine, &error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}
