// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/meter/Monitor.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class Clock;
class SleepDelay;

// What the machine going to sleep or shutting down does to the call being timed. While a call is
// timed the sleep is held off; when it comes, the call ends at that moment and is saved before the
// hold is let go. On waking a new call starts when the caller says so (the followed link is up),
// else the user is told once when the call was stopped. Where no one announces the sleep, the time
// spent asleep jumping between two ticks of the call tells of it, and the call ends at the last
// tick before the jump.
class CSleepGuard : private MonitorListener {
public:
    // A sleep this long or shorter leaves the call running.
    static constexpr std::int64_t kSleepGapSeconds = 60;
    enum class Down { Sleep, Shutdown };

    CSleepGuard(CMonitor& monitor, Clock& clock);
    ~CSleepGuard() override;
    CSleepGuard(const CSleepGuard&) = delete;
    CSleepGuard& operator=(const CSleepGuard&) = delete;

    // The machine is about to sleep or shut down: a running call ends now, in Calls.log on return.
    void GoingDown(Down why);
    // The machine woke up, or the shutdown was called off.
    void BackUp();

    // Held while a call is timed and let go once it is stopped and saved; none by default.
    void SetDelay(SleepDelay* delay) { m_delay = delay; }
    // Whether a call starts on waking after the sleep stopped one; none is started without it.
    void SetStartOnWake(std::function<bool()> ask) { m_startOnWake = std::move(ask); }
    // Tells the user what the program did by itself.
    void SetNotice(std::function<void(const std::string&)> tell) { m_notice = std::move(tell); }

private:
    struct Stopped {
        CTime at;
        Down why;
    };

    void BeforeTick(CTime now);
    void Stopping(const std::optional<CCallRecord>& call, Down why);
    void CallStarted(CTime start, CallCause cause) override;
    void CallStopped(const CCallRecord&, CallCause) override;
    void ListChanged() override {}

    CMonitor& m_monitor;
    Clock& m_clock;
    SleepDelay* m_delay = nullptr;
    std::function<bool()> m_startOnWake;
    std::function<void(const std::string&)> m_notice;
    std::optional<Stopped> m_stopped; // a call the machine going down stopped, until it is back
    CTime m_lastTick;
    std::int64_t m_sleptAtTick;
};
