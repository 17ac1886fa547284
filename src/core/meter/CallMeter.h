// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallRecord.h"
#include "core/platform/Time.h"

#include <string>
#include <vector>

class CCallArray;
class Clock;

// A progress bar in tenths of the currency unit, up to ten times the whole part of its limit (a
// limit of 2.50 gives 0..20). A maximum of 0 means the bar is off: its limit is below 1.
struct BarState {
    int maximum = 0;
    int value = 0;
    double Fraction() const { return maximum > 0 ? static_cast<double>(value) / maximum : 0.0; }
    bool operator==(const BarState&) const = default;
};

BarState BarFor(double limit, double amount);

// "0:12:34": the hours (as many as there are), the minutes and the seconds of a call so far.
std::string ElapsedText(CTimeSpan span);

// What the monitor window shows.
struct MeterFigures {
    double callCost = 0.0;   // the running call, or the last one shown
    double spentToday = 0.0; // running call included while one is timed
    double spentMonth = 0.0;
    double rate = 0.0;  // price per minute in force
    CTimeSpan callTime; // how long the running call, or the last one shown, has lasted
    BarState callBar;
    BarState todayBar;
    BarState monthBar;
};

enum class LimitWarning { Call, Day, Month };

// A limit's share reached before the limit itself is passed.
struct EarlyWarning {
    LimitWarning limit;
    double spent;  // what counts against the limit now
    double amount; // the limit
    bool operator==(const EarlyWarning&) const = default;
};

struct TickResult {
    MeterFigures figures;
    std::vector<LimitWarning> warnings; // due now, in the order call, day, month
    std::vector<EarlyWarning> early;    // the same, never for a limit whose own warning has come
};

// The call meter: the state behind the monitor window and every decision it makes. It times one call
// at a time, keeps the day's and month's spending of the finished calls, follows the date and the
// tariff period, and says which limit warnings are due. Each warning comes once; the day's and
// month's come again on a new day or month. So do the early warnings, each before its limit's own
// or not at all. Amounts come from the tariff in Settings at each step.
class CCallMeter {
public:
    CCallMeter(Clock& clock, CCallArray& calls);

    // Totals recomputed from the list, the rate of now, the call cost back to 0.
    MeterFigures Refresh();
    // Starts timing a call now; the call bar starts empty.
    CTime Start();
    // Ends the running call now, or at end (never before its start), and appends it to the list; the
    // figures stay as last shown until the next refresh, tick or boundary. Sets LogChanged.
    CCallRecord Stop();
    CCallRecord Stop(CTime end);
    // Prices the running call as if it ended now and checks the limits.
    TickResult Tick(CTime now);
    // At a switch of the tariff period or a new date: the rate, and the totals when no call runs.
    MeterFigures Follow(CTime now);
    // Calls were added to the month's list or it was emptied: the day's and month's spending start
    // again from what it holds now. Sets LogChanged.
    MeterFigures ListChanged();
    // The next moment after now at which Follow has something to do.
    CTime NextBoundary(CTime now) const;

    MeterFigures Figures() const;
    bool IsRunning() const { return m_bRunning; }
    CTime StartTime() const { return m_startTime; }
    static const std::string& WarningText(LimitWarning warning);
    // What the tray says of the running call under its first line: "Call since 14:00:00: 0:12:34,
    // $4.17" as of the last tick; empty when no call is timed.
    std::string RunningCallLine() const;
    // "You have used 80 % of your day limit: $4.00 of $5.00."
    static std::string EarlyWarningText(const EarlyWarning& warning);

private:
    void CheckLimits(double cost, double monthCost, TickResult& due);
    void FollowDate(CTime now);
    void ShowFinishedCalls();

    Clock& m_clock;
    CCallArray& m_calls;
    bool m_bRunning = false;
    CTime m_startTime;
    bool m_bCallWarned = false;
    bool m_bDayWarned = false;
    bool m_bMonthWarned = false;
    bool m_bCallEarlyWarned = false;
    bool m_bDayEarlyWarned = false;
    bool m_bMonthEarlyWarned = false;
    // Spending of the finished calls; the running call is added only when it stops.
    double m_spentToday = 0.0;
    double m_spentMonth = 0.0;
    CTime m_figuresDate; // the day the totals belong to
    // The amounts as last shown, which a stop leaves alone.
    double m_shownCallCost = 0.0;
    CTimeSpan m_shownCallTime;
    double m_shownCallBar = 0.0;
    double m_shownToday = 0.0;
    double m_shownMonth = 0.0;
    double m_rate = 0.0;
};
