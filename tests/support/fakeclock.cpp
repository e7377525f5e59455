#include "fakeclock.h"

FakeClock::FakeClock(const QDateTime &now)
    : m_now(now)
{
    SetClock(this);
}

FakeClock::~FakeClock()
{
    SetClock(nullptr);
}

void FakeClock::wait(int milliseconds)
{
    m_waits.append(milliseconds);
    m_now = m_now.addMSecs(milliseconds);
}
