// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Clock.h"

// A clock that stands still until it is set or advanced: tests, and "--now" on the command line.
class FakeClock : public Clock {
public:
    explicit FakeClock(CTime now = CTime()) : m_now(now) {}
    CTime Now() const override { return m_now; }
    void Set(CTime now) { m_now = now; }
    void Advance(std::int64_t seconds) { m_now = m_now + CTimeSpan(seconds); }
    // The machine sleeps for a while: the time goes on, and so does the time spent asleep.
    void Sleep(std::int64_t seconds) {
        Advance(seconds);
        m_slept += seconds;
    }
    std::int64_t SleptSeconds() const override { return m_slept; }

private:
    CTime m_now;
    std::int64_t m_slept = 0;
};
