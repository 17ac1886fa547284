// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ControlResponder.h"

#include "core/automation/ControlProtocol.h"
#include "core/billing/Tariff.h"
#include "core/meter/Monitor.h"
#include "core/platform/Clock.h"
#include "core/platform/Translate.h"

void CControlResponder::Serve(CMonitor& monitor, Clock& clock) {
    m_phase = Phase::Serving;
    m_monitor = &monitor;
    m_clock = &clock;
}

void CControlResponder::StopServing() {
    m_phase = Phase::Ending;
    m_monitor = nullptr;
    m_clock = nullptr;
}

CControlResponder::Answer CControlResponder::Respond(std::string_view line) {
    const ParsedRequest parsed = ParseControlRequest(line);
    if (!parsed.request)
        return {ErrorReply(parsed.error)};
    const ControlRequest& request = *parsed.request;
    if (request.verb == ControlVerb::Raise)
        return {OkReply({}), true};
    if (request.verb == ControlVerb::Status)
        return {Status()};
    if (m_phase == Phase::Ending)
        return {ErrorReply("Corvellan is ending")};
    // The first run's Preferences come before the log is read; nothing may be timed on a list
    // that is not the month's.
    if (m_monitor == nullptr || !m_monitor->IsLoaded())
        return {ErrorReply("Corvellan is starting: the call log has not been read yet")};
    switch (request.verb) {
    case ControlVerb::Start:
        return {Start()};
    case ControlVerb::Stop:
        return {Stop()};
    case ControlVerb::Toggle:
        return {m_monitor->IsRunning() ? Stop() : Start()};
    case ControlVerb::Add: {
        // The refusal goes into the reply, which is English like the rest of the protocol.
        if (const std::optional<std::string> why =
                m_monitor->AddCall(request.start, request.end, CallCause::Control, Wording::English))
            return {ErrorReply(*why)};
        return {OkReply({"added", TimeWord(request.start), TimeWord(request.end),
                         NumberWord(CCallRecord(request.start, request.end).GetCost())})};
    }
    default:
        break;
    }
    return {ErrorReply("not understood")};
}

// A second start (ip-up may say it twice) is no error, but says that the call was already timed.
std::string CControlResponder::Start() {
    if (m_monitor->IsRunning())
        return OkReply({"already", "running", "since", TimeWord(m_monitor->StartTime())});
    if (!m_monitor->Start(CallCause::Control))
        return ErrorReply("the call could not be started");
    return OkReply({"started", TimeWord(m_monitor->StartTime())});
}

std::string CControlResponder::Stop() {
    const std::optional<CCallRecord> call = m_monitor->Stop(CallCause::Control);
    if (!call)
        return OkReply({"already", "stopped"});
    return OkReply(
        {"stopped", TimeWord(call->GetStart()), TimeWord(call->GetEnd()), NumberWord(call->GetCost())});
}

std::string CControlResponder::Status() const {
    if (m_phase != Phase::Serving || !m_monitor->IsRunning())
        return StatusReply({});
    const CTime now = m_clock->Now();
    const CTime start = m_monitor->StartTime();
    // Priced as the next tick will price it, without taking the tick's place: a limit's warning
    // stays the tick's to give.
    return StatusReply({true, start, ComputeCallCost(start, now), GetRateAt(now)});
}
