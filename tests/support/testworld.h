#pragma once

#include "support/encodersimtool.h"
#include "support/fakeclock.h"
#include "support/scriptedport.h"
#include "support/testdatabase.h"
#include "support/workfolder.h"

#include <QByteArray>

#include <optional>

struct WorldOptions {
    QByteArray systemIni{};         // the content of System.ini; no file when empty
    QByteArray interfaceTxt{};      // the content of Interface.txt; no file when empty
    bool encoder = false;           // the simulated encoder, named in settings.EncoderLibrary
    bool clock = false;             // a fake clock, in place before the settings seed CardCounter from it
    std::optional<Engine> database{}; // a fresh delivered database on this engine
};

// The world a test runs in, made in one fixed order: a throw-away working
// folder, the scripted operator, the simulated encoder and the fake clock when
// asked for, the process-wide state reset (file build), System.ini and
// Interface.txt written, the settings loaded, the shared texts read, and the
// delivered database when asked for. Everything is undone when it goes.
//
//     void init() { m_world.emplace(WorldOptions{.database = Engine::SQLite}); }
//     void cleanup() { m_world.reset(); }
//     std::optional<TestWorld> m_world;
//
// A test that needs a world of its own makes one in its body:
//     TestWorld world({.systemIni = "[FONT]\nCharSet=134\n"});
class TestWorld {
public:
    TestWorld();
    explicit TestWorld(const WorldOptions &options);
    ~TestWorld();
    TestWorld(const TestWorld &) = delete;
    TestWorld &operator=(const TestWorld &) = delete;

    // A fresh delivered database on engine as the shared connection, for test
    // rows that name their engine; false (with a warning) when it cannot be made.
    // In a test body, QVERIFY(world.deliverDatabase(engine)) ends the test
    // there, which the database option of the constructor cannot do.
    bool deliverDatabase(Engine engine);

    // The simulated encoder opened as at logon, with a blank card on it, and
    // the daily backup kept in the working folder; false when it does not
    // answer.
    bool openEncoder();

    WorkFolder folder;
    ScriptedPort port;
    std::optional<SimulatedEncoder> encoder;
    std::optional<FakeClock> clock;
};
