#pragma once

#include <QDateTime>

// "Now" and the fixed waits after card operations, behind one port so that a
// test can set the time and check the waits without sleeping.
class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual QDateTime now() = 0;
    virtual void wait(int milliseconds) = 0;
};

ClockPort &Clock();
// Installs the clock for the rest of the run (not owned); nullptr restores the system clock.
void SetClock(ClockPort *clock);
