#include "core/clock.h"

#include <QThread>

namespace {

class SystemClock final : public ClockPort {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
    // The waits let the encoder finish; the desk waits with it, as it always has.
    void wait(int milliseconds) override { QThread::msleep(static_cast<unsigned long>(milliseconds)); }
};

SystemClock systemClock;
ClockPort *currentClock = &systemClock;

} // namespace

ClockPort &Clock()
{
    return *currentClock;
}

void SetClock(ClockPort *clock)
{
    currentClock = clock ? clock : &systemClock;
}
