#pragma once

#include "core/clock.h"

#include <QList>

// A clock a test sets; waits are recorded, not slept.
class FakeClock final : public ClockPort {
public:
    explicit FakeClock(const QDateTime &now = QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    ~FakeClock() override;

    QDateTime now() override { return m_now; }
    void wait(int milliseconds) override;

    void set(const QDateTime &now) { m_now = now; }
    const QList<int> &waits() const { return m_waits; }

private:
    QDateTime m_now;
    QList<int> m_waits;
};
