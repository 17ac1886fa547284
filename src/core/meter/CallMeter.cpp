// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/CallMeter.h"

#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Money.h"
#include "core/billing/PeriodTotals.h"
#include "core/billing/Tariff.h"
#include "core/platform/Clock.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Translate.h"
#include "core/settings/Settings.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
int ClampedTenths(double amount) {
    const double tenths = std::trunc(amount * 10.0);
    if (!(tenths > 0))
        return 0;
    return tenths >= INT_MAX ? INT_MAX : static_cast<int>(tenths);
}

} // namespace

// The whole part of the limit is taken before the tenths: 2.50 gives 0..20, not 0..25.
BarState BarFor(double limit, double amount) {
    const double whole = std::trunc(limit);
    if (!(whole >= 1.0))
        return {};
    BarState bar;
    bar.maximum = ClampedTenths(whole);
    // Above the limit the bar is simply full.
    bar.value = std::min(ClampedTenths(amount), bar.maximum);
    return bar;
}

std::string ElapsedText(CTimeSpan span) {
    return std::to_string(span.GetTotalHours()) + span.Format(":%M:%S");
}

CCallMeter::CCallMeter(Clock& clock, CCallArray& calls) : m_clock(clock), m_calls(calls) {}

MeterFigures CCallMeter::Refresh() {
    const CTime now = m_clock.Now();
    FollowDate(now);
    m_spentMonth = GetSpentInMonth(m_calls, now);
    m_spentToday = GetSpentToday(m_calls, now);
    ShowFinishedCalls();
    m_shownCallCost = 0.0;
    m_shownCallTime = CTimeSpan();
    m_rate = GetRateAt(now);
    return Figures();
}

CTime CCallMeter::Start() {
    m_bRunning = true;
    m_startTime = m_clock.Now();
    m_shownCallBar = 0.0;
    m_shownCallTime = CTimeSpan();
    return m_startTime;
}

CCallRecord CCallMeter::Stop() {
    return Stop(m_clock.Now());
}

CCallRecord CCallMeter::Stop(CTime end) {
    const CCallRecord record(m_startTime, std::max(end, m_startTime));
    m_bRunning = false;
    m_spentMonth += record.GetCost();
    m_spentToday += record.GetCost();
    m_calls.Add(record);
    LogChanged = true;
    return record;
}

TickResult CCallMeter::Tick(CTime now) {
    TickResult result;
    if (!m_bRunning) {
        result.figures = Figures();
        return result;
    }
    FollowDate(now);
    // Priced afresh from the start at every tick; nothing is accumulated between ticks.
    const double cost = ComputeCallCost(m_startTime, now);
    // A call running across the turn of the period counts for the period it started in.
    const double monthCost = PeriodOf(now).Contains(m_startTime) ? cost : 0.0;
    CheckLimits(cost, monthCost, result);
    m_shownCallCost = cost;
    m_shownCallTime = std::max(now - m_startTime, CTimeSpan());
    m_shownCallBar = cost;
    m_shownToday = m_spentToday + cost;
    m_shownMonth = m_spentMonth + monthCost;
    m_rate = GetRateAt(now);
    result.figures = Figures();
    return result;
}

MeterFigures CCallMeter::Follow(CTime now) {
    FollowDate(now);
    m_rate = GetRateAt(now);
    // During a call the next tick brings the totals, running call included.
    if (!m_bRunning)
        ShowFinishedCalls();
    return Figures();
}

MeterFigures CCallMeter::ListChanged() {
    const CTime now = m_clock.Now();
    m_spentToday = GetSpentToday(m_calls, now);
    m_spentMonth = GetSpentInMonth(m_calls, now);
    ShowFinishedCalls();
    LogChanged = true;
    return Figures();
}

CTime CCallMeter::NextBoundary(CTime now) const {
    return GetNextDisplayBoundary(now);
}

MeterFigures CCallMeter::Figures() const {
    MeterFigures figures;
    figures.callCost = m_shownCallCost;
    figures.callTime = m_shownCallTime;
    figures.spentToday = m_shownToday;
    figures.spentMonth = m_shownMonth;
    figures.rate = m_rate;
    figures.callBar = BarFor(Settings.CallLimit, m_shownCallBar);
    figures.todayBar = BarFor(Settings.DayLimit, m_shownToday);
    figures.monthBar = BarFor(Settings.MonthLimit, m_shownMonth);
    return figures;
}

std::string CCallMeter::RunningCallLine() const {
    if (!m_bRunning)
        return {};
    return Arg(Tr("CallMeter", "Call since %1: %2, %3"),
               {m_startTime.Format("%H:%M:%S"), ElapsedText(m_shownCallTime), ShownAmount(m_shownCallCost)});
}

const std::string& CCallMeter::WarningText(LimitWarning warning) {
    switch (warning) {
    case LimitWarning::Call:
        return Settings.CallLimitMessage;
    case LimitWarning::Day:
        return Settings.DayLimitMessage;
    case LimitWarning::Month:
        break;
    }
    return Settings.MonthLimitMessage;
}

std::string CCallMeter::EarlyWarningText(const EarlyWarning& warning) {
    // The share actually used, which a jump (a call's fee, a call added by hand) may take beyond
    // the one set; the small allowance keeps 4.00 of 5.00 at 80 whatever the last bit says.
    const double used = std::floor(warning.spent / warning.amount * 100 + 1e-9);
    const auto percent = std::max<unsigned>(Settings.EarlyWarningPercent, static_cast<unsigned>(used));
    const std::string texts[] = {Tr("CallMeter", "You have used %1 % of your call limit: %2 of %3."),
                                 Tr("CallMeter", "You have used %1 % of your day limit: %2 of %3."),
                                 Tr("CallMeter", "You have used %1 % of your month limit: %2 of %3.")};
    return Arg(texts[static_cast<int>(warning.limit)],
               {std::to_string(percent), ShownAmount(warning.spent), ShownAmount(warning.amount)});
}

// Strictly above the limit; a limit of 0 never warns, whatever its switch says. The early warning
// comes at its share of the limit or above, and never with or after the limit's own.
void CCallMeter::CheckLimits(double cost, double monthCost, TickResult& due) {
    struct Limit {
        LimitWarning which;
        bool on;
        double amount;
        double spent;
        bool& warned;
        bool& earlyWarned;
    };
    const Limit limits[] = {
        {LimitWarning::Call, Settings.WarnCall, Settings.CallLimit, cost, m_bCallWarned, m_bCallEarlyWarned},
        {LimitWarning::Day, Settings.WarnDay, Settings.DayLimit, m_spentToday + cost, m_bDayWarned,
         m_bDayEarlyWarned},
        {LimitWarning::Month, Settings.WarnMonth, Settings.MonthLimit, m_spentMonth + monthCost,
         m_bMonthWarned, m_bMonthEarlyWarned},
    };
    const unsigned percent = Settings.EarlyWarningPercent;
    for (const Limit& limit : limits) {
        if (!limit.on || limit.amount == 0 || limit.warned)
            continue;
        if (limit.spent > limit.amount) {
            limit.warned = true;
            due.warnings.push_back(limit.which);
        } else if (percent != 0 && !limit.earlyWarned && limit.spent >= limit.amount * percent / 100 - 1e-9) {
            limit.earlyWarned = true;
            due.early.push_back({limit.which, limit.spent, limit.amount});
        }
    }
}

// A window left open over midnight: the day's total starts from the new day's calls and its warning
// may come again; at a new billing period the same for the month.
void CCallMeter::FollowDate(CTime now) {
    const CTime before = m_figuresDate;
    const bool firstTime = before == CTime();
    m_figuresDate = now;
    if (firstTime || IsSameDate(before.GetLocalTm(), now.GetLocalTm()))
        return;
    m_spentToday = GetSpentToday(m_calls, now);
    m_bDayWarned = m_bDayEarlyWarned = false;
    if (!PeriodOf(before).Contains(now)) {
        m_spentMonth = GetSpentInMonth(m_calls, now);
        m_bMonthWarned = m_bMonthEarlyWarned = false;
    }
}

void CCallMeter::ShowFinishedCalls() {
    m_shownToday = m_spentToday;
    m_shownMonth = m_spentMonth;
}
