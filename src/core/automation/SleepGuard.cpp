// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/SleepGuard.h"

#include "core/automation/SleepDelay.h"
#include "core/platform/Clock.h"
#include "core/platform/Translate.h"

CSleepGuard::CSleepGuard(CMonitor& monitor, Clock& clock)
    : m_monitor(monitor), m_clock(clock), m_lastTick(clock.Now()), m_sleptAtTick(clock.SleptSeconds()) {
    m_monitor.AddListener(this);
    m_monitor.beforeTick = [this](CTime now) {
        BeforeTick(now);
    };
}

CSleepGuard::~CSleepGuard() {
    m_monitor.beforeTick = nullptr;
    m_monitor.RemoveListener(this);
}

void CSleepGuard::GoingDown(Down why) {
    Stopping(m_monitor.Stop(CallCause::Sleep), why);
}

void CSleepGuard::Stopping(const std::optional<CCallRecord>& call, Down why) {
    if (call)
        m_stopped = Stopped{call->GetEnd(), why};
}

void CSleepGuard::BackUp() {
    if (!m_stopped)
        return;
    const Stopped stopped = *m_stopped;
    m_stopped.reset();
    if (m_startOnWake && m_startOnWake() && m_monitor.Start(CallCause::Sleep))
        return;
    if (!m_notice)
        return;
    const std::string format =
        stopped.why == Down::Sleep
            ? Tr("SleepGuard", "The call was stopped at %H:%M when the computer went to sleep")
            : Tr("SleepGuard", "The call was stopped at %H:%M when the computer began to shut down");
    m_notice(stopped.at.Format(format.c_str()));
}

void CSleepGuard::BeforeTick(CTime now) {
    const std::int64_t slept = m_clock.SleptSeconds();
    if (slept - m_sleptAtTick > kSleepGapSeconds) {
        // The call was last seen running at the tick before; the machine is awake again now.
        Stopping(m_monitor.StopAt(m_lastTick, CallCause::Sleep), Down::Sleep);
        BackUp();
        return;
    }
    m_lastTick = now;
    m_sleptAtTick = slept;
}

void CSleepGuard::CallStarted(CTime start, CallCause) {
    m_lastTick = start;
    m_sleptAtTick = m_clock.SleptSeconds();
    if (m_delay != nullptr)
        m_delay->Hold();
}

void CSleepGuard::CallStopped(const CCallRecord&, CallCause) {
    // The call is in Calls.log by now: the machine may go.
    if (m_delay != nullptr)
        m_delay->Release();
}
