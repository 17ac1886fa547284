// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/meter/CallMeter.h"
#include "core/platform/HeldPrompter.h"
#include "core/platform/Translate.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Clock;
class Paths;
class Prompter;

// Who started or stopped a call: the user (button, tray), a script (the control socket), the
// followed link, the machine's sleep, or the end of the program. The records do not depend on it.
enum class CallCause { User, Control, Link, Sleep, End };

// Told after each change of the running state, once the change is complete (a stopped call is
// already in Calls.log when CallStopped is called).
class MonitorListener {
public:
    virtual ~MonitorListener() = default;
    virtual void CallStarted(CTime start, CallCause cause) = 0;
    virtual void CallStopped(const CCallRecord& call, CallCause cause) = 0;
    // Calls were added to the list or it was emptied; the meter's figures have followed.
    virtual void ListChanged() = 0;
};

// The program's running state and its one owner: the month's call list, the call meter, Calls.log
// and the rules for adding a call. The window, the tray, the control socket, the link and sleep
// watchers and corvellanctl all drive this same object, so a start is the same start whoever asks.
class CMonitor {
public:
    CMonitor(const Paths& paths, Prompter& prompter, Clock& clock);
    CMonitor(const CMonitor&) = delete;
    CMonitor& operator=(const CMonitor&) = delete;

    // Reads the month's calls (the roll-over question and the loader's messages may come). Until
    // then the list is not the month's: no call is timed and nothing is written. A program start
    // (mergeUnsaved) also puts the ended months' calls into the history, takes back the calls
    // earlier runs could not save and says at once when the data folder cannot be written; a
    // command changing the log asks nothing and leaves the rest to its save or to the window.
    void Load(bool mergeUnsaved = true);
    bool IsLoaded() const { return m_bLoaded && !m_bEnded; }
    bool IsRunning() const { return m_meter.IsRunning(); }
    CTime StartTime() const { return m_meter.StartTime(); }

    // Starts timing a call now. False when one is already timed, or before Load or after End.
    bool Start(CallCause cause);
    // Ends the running call now (or at end, not before its start), appends it and writes Calls.log
    // at once, so a crash or a power cut loses at most the call being timed. Empty when none ran.
    std::optional<CCallRecord> Stop(CallCause cause);
    std::optional<CCallRecord> StopAt(CTime end, CallCause cause);
    // The running call priced as if it ended now, the limits checked.
    TickResult Tick(CTime now);
    // At a switch of the tariff period or a new date (Follow), or when the figures are shown afresh
    // (Refresh): at the turn of the billing period, or once its start day was changed, the finished
    // calls of the ended period leave the list for the history and Calls.log is written.
    MeterFigures Follow(CTime now);
    MeterFigures Refresh();
    // The billing period the list holds the calls of.
    const CBillingPeriod& Period() const { return m_period; }
    // The ended months for the Logs and Reports sheet, newest first.
    std::vector<PastMonth> PastMonths() const;
    // Asked at each tick of a running call before it is priced; it may stop the call (the machine
    // slept through it) and start another.
    std::function<void(CTime now)> beforeTick;

    // Why a call from start to end may not be added at now, whatever the month's list holds: only
    // finished calls of the current month. Empty when it may.
    static std::optional<std::string> CheckNewCall(CTime start, CTime end, CTime now);
    // Adds a call that was not timed (typed in, or handed over by corvellanctl) in order of its end
    // and writes Calls.log; the reason when it may not be added or could not be written, worded as
    // asked. What adding it tells the user meanwhile is in the user's language all the same.
    std::optional<std::string> AddCall(CTime start, CTime end, CallCause cause = CallCause::User,
                                       Wording reason = Wording::UserLanguage);
    // The Logs and Reports sheet shows the list as it is now...
    void MarkListShown();
    // ...and emptied what it showed: calls stopped or added since the mark stay. The old file is
    // kept beside the emptied log.
    void ListCleared();
    // Records a running call and writes Calls.log if it changed; nothing more is timed after. When
    // Calls.log cannot be written then, the calls go to a fallback file for the next start to merge.
    void End();
    // The end could not write Calls.log: where the calls went instead (empty when nowhere).
    bool EndFailed() const { return m_bEndFailed; }
    const std::string& EndFallback() const { return m_endFallback; }

    const CCallMeter& Meter() const { return m_meter; }
    CCallMeter& Meter() { return m_meter; }
    const CCallArray& Calls() const { return m_calls; }
    const CCallLog& Log() const { return m_callLog; }

    void AddListener(MonitorListener* listener);
    void RemoveListener(MonitorListener* listener);

private:
    template <typename Event> void Tell(Event event);
    HeldPrompter::Hold Holding(CallCause cause);

    bool Save();
    // At a new billing period (or with sweep, after a stop), calls of the list that are not of the
    // period of now leave it, and those the history holds for a new period join it. True when the
    // list changed (it is then saved and told).
    bool FollowPeriod(CTime now, bool sweep = false);

    Clock& m_clock;
    // What a change tells the user is shown once the change is complete; what a script, the link
    // or the machine's sleep changed does not wait for anyone.
    HeldPrompter m_prompter;
    std::vector<std::string> m_unsavedDirs;
    CCallArray m_calls;
    CCallMeter m_meter;
    CCallLog m_callLog;
    CBillingPeriod m_period;
    bool m_bLoaded = false;
    bool m_bEnded = false;
    bool m_bEndFailed = false;
    std::string m_endFallback;
    std::vector<MonitorListener*> m_listeners;
    std::vector<std::pair<CTime, CTime>> m_joinedSinceMark; // calls the sheet did not show
};
