// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/Monitor.h"

#include "core/billing/PeriodTotals.h"
#include "core/calllog/AddedCall.h"
#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Translate.h"

#include <algorithm>

namespace {
std::string CommandTime(CTime time) {
    return time.Format("%Y-%m-%d %H:%M:%S");
}

void Replace(CCallArray& calls, const std::vector<LoggedCall>& list) {
    calls.RemoveAll();
    calls.Reserve(static_cast<int>(list.size()));
    for (const LoggedCall& call : list)
        calls.Add(CCallRecord(call.start, call.end));
}
} // namespace

CMonitor::CMonitor(const Paths& paths, Prompter& prompter, Clock& clock)
    : m_clock(clock), m_prompter(prompter), m_unsavedDirs(paths.UnsavedDirs()), m_meter(clock, m_calls),
      m_callLog(paths, m_prompter) {}

void CMonitor::Load(bool mergeUnsaved) {
    m_calls.RemoveAll();
    m_period = PeriodOf(m_clock.Now());
    m_callLog.Load(m_calls, m_clock.Now(), mergeUnsaved);
    m_bLoaded = true;
    if (!mergeUnsaved)
        return;
    // Last month is in the history from the start, whatever the roll-over question was answered.
    m_callLog.Archive(m_clock.Now());
    if (m_callLog.MergeUnsaved(m_calls, m_clock.Now(), m_unsavedDirs)) {
        LogChanged = true;
        Save();
    } else if (m_callLog.CanReplace()) {
        m_callLog.CheckWritable();
    }
}

bool CMonitor::Save() {
    return m_callLog.Save(m_calls, m_clock.Now());
}

template <typename Event> void CMonitor::Tell(Event event) {
    // A listener may remove itself while it is told.
    const std::vector<MonitorListener*> listeners = m_listeners;
    for (MonitorListener* listener : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            event(*listener);
}

HeldPrompter::Hold CMonitor::Holding(CallCause cause) {
    const bool waited = cause == CallCause::User || cause == CallCause::End;
    return HeldPrompter::Hold(m_prompter,
                              waited ? HeldPrompter::Showing::Boxes : HeldPrompter::Showing::Notices);
}

bool CMonitor::Start(CallCause cause) {
    if (!IsLoaded() || IsRunning())
        return false;
    const CTime start = m_meter.Start();
    Tell([&](MonitorListener& l) { l.CallStarted(start, cause); });
    return true;
}

std::optional<CCallRecord> CMonitor::Stop(CallCause cause) {
    return StopAt(m_clock.Now(), cause);
}

std::optional<CCallRecord> CMonitor::StopAt(CTime end, CallCause cause) {
    if (!IsRunning())
        return std::nullopt;
    const HeldPrompter::Hold hold = Holding(cause);
    const CCallRecord call = m_meter.Stop(end);
    m_joinedSinceMark.emplace_back(call.GetStart(), call.GetEnd());
    // A call that ran across the turn of the period goes to the history of the one it started in.
    if (!FollowPeriod(m_clock.Now(), !m_period.Contains(call.GetStart())))
        Save();
    Tell([&](MonitorListener& l) { l.CallStopped(call, cause); });
    return call;
}

TickResult CMonitor::Tick(CTime now) {
    if (IsRunning() && beforeTick)
        beforeTick(now);
    return m_meter.Tick(now);
}

MeterFigures CMonitor::Follow(CTime now) {
    const HeldPrompter::Hold hold = Holding(CallCause::User);
    FollowPeriod(now);
    return m_meter.Follow(now);
}

MeterFigures CMonitor::Refresh() {
    const HeldPrompter::Hold hold = Holding(CallCause::User);
    FollowPeriod(m_clock.Now());
    return m_meter.Refresh();
}

std::vector<PastMonth> CMonitor::PastMonths() const {
    return m_callLog.PastMonths(m_clock.Now());
}

bool CMonitor::FollowPeriod(CTime now, bool sweep) {
    const CBillingPeriod period = PeriodOf(now);
    // Between turns the list holds only calls of its period: nothing to look through.
    if (!IsLoaded() || (period == m_period && !sweep))
        return false;
    std::vector<LoggedCall> staying, leaving;
    staying.reserve(static_cast<std::size_t>(m_calls.GetSize()));
    for (int i = 0; i < m_calls.GetSize(); ++i) {
        const CCallRecord call = m_calls.GetAt(i);
        (period.Contains(call.GetStart()) ? staying : leaving).push_back({call.GetStart(), call.GetEnd()});
    }
    const std::vector<LoggedCall> kept =
        period == m_period ? std::vector<LoggedCall>() : m_callLog.History().CallsIn(period);
    m_period = period;
    const std::size_t listed = staying.size();
    staying = WithKept(std::move(staying), kept);
    if (leaving.empty() && staying.size() == listed)
        return false;
    Replace(m_calls, staying);
    m_callLog.Hold(leaving);
    m_meter.ListChanged();
    Save();
    Tell([](MonitorListener& l) { l.ListChanged(); });
    return true;
}

std::optional<std::string> CMonitor::CheckNewCall(CTime start, CTime end, CTime now) {
    if (end < start)
        return Tr("Monitor", "the call ends before it starts");
    const CBillingPeriod period = PeriodOf(now);
    if (!period.Contains(start) || !period.Contains(end))
        return Arg(Tr("Monitor", "only calls of the current month (%1) can be added"), {period.Title()});
    if (end > now)
        return Tr("Monitor", "the call cannot end later than now");
    return std::nullopt;
}

std::optional<std::string> CMonitor::AddCall(CTime start, CTime end, CallCause cause, Wording reason) {
    const HeldPrompter::Hold hold = Holding(cause);
    // Only the reason is worded as asked: a month rolled over or a log that cannot be written is
    // told to whoever sits at the window.
    const auto worded = [reason](const auto& word) {
        const CUntranslated words(reason);
        return word();
    };
    if (!IsLoaded())
        return worded([] { return Tr("Monitor", "the call log has not been read yet"); });
    if (std::optional<std::string> why = worded([&] { return CheckNewCall(start, end, m_clock.Now()); }))
        return why;
    FollowPeriod(m_clock.Now());
    if (IsRunning() && start < m_clock.Now() && StartTime() < end)
        return worded([this] {
            return Arg(Tr("Monitor", "the call overlaps the call being timed since %1"),
                       {CommandTime(StartTime())});
        });
    if (const std::optional<CCallRecord> logged = FindOverlappingCall(m_calls, start, end))
        return worded([&logged] {
            return Arg(Tr("Monitor", "the call overlaps the logged call from %1 to %2"),
                       {CommandTime(logged->GetStart()), CommandTime(logged->GetEnd())});
        });
    InsertByEnd(m_calls, start, end);
    if (!Save()) {
        // Told as not added, so it must not be kept for a later save either.
        RemoveCall(m_calls, start, end);
        return worded([this] {
            return Arg(Tr("Monitor", "Calls.log could not be written (%1)"), {m_callLog.LastError()});
        });
    }
    m_joinedSinceMark.emplace_back(start, end);
    m_meter.ListChanged();
    Tell([](MonitorListener& l) { l.ListChanged(); });
    return std::nullopt;
}

void CMonitor::MarkListShown() {
    m_joinedSinceMark.clear();
}

void CMonitor::ListCleared() {
    const HeldPrompter::Hold hold = Holding(CallCause::User);
    // Calls stopped or added while the sheet was open were not in the list it emptied.
    std::stable_sort(m_joinedSinceMark.begin(), m_joinedSinceMark.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    m_calls.RemoveAll();
    for (const auto& [start, end] : m_joinedSinceMark)
        if (m_period.Contains(start)) // not one that went to the history meanwhile
            m_calls.Add(CCallRecord(start, end));
    m_joinedSinceMark.clear();
    m_meter.ListChanged();
    // The old file is kept beside the emptied log: a month's records are never lost to one click.
    m_callLog.KeepOriginalBeforeNextSave();
    Save();
    Tell([](MonitorListener& l) { l.ListChanged(); });
}

void CMonitor::End() {
    if (m_bEnded)
        return;
    const HeldPrompter::Hold hold = Holding(CallCause::End);
    Stop(CallCause::End);
    m_bEnded = true;
    if (m_bLoaded && LogChanged && !Save()) {
        // The last chance for these calls: they must not go with the process.
        m_bEndFailed = true;
        m_endFallback = m_callLog.SaveFallback(m_calls, m_clock.Now(), m_unsavedDirs);
    }
    m_calls.RemoveAll();
}

void CMonitor::AddListener(MonitorListener* listener) {
    m_listeners.push_back(listener);
}

void CMonitor::RemoveListener(MonitorListener* listener) {
    std::erase(m_listeners, listener);
}
