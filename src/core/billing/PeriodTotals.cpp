// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/PeriodTotals.h"

#include "core/settings/Settings.h"

#include <algorithm>

CBillingPeriod PeriodOf(CTime moment) {
    return CBillingPeriod::Of(moment, Settings.PeriodStartDay);
}

double GetSpentInMonth(const CCallArray& calls, CTime now) {
    const CBillingPeriod period = PeriodOf(now);
    double sum = 0.0;
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        if (period.Contains(call.GetStart()))
            sum += call.GetCost();
    }
    return sum;
}

CTime GetNextDisplayBoundary(CTime now) {
    const std::tm t = now.GetLocalTm();
    const int year = t.tm_year + 1900;
    const int month = t.tm_mon + 1;
    CTime best = CTime(year, month, t.tm_mday + 1, 0, 0, 0);
    for (int day = t.tm_mday; day <= t.tm_mday + 1; ++day) {
        // The minute named as the day start still counts as night: the day begins a minute later.
        const CTime candidates[] = {CTime(year, month, day, static_cast<int>(Settings.DayStartsHours),
                                          static_cast<int>(Settings.DayStartsMinutes) + 1, 0),
                                    CTime(year, month, day, static_cast<int>(Settings.NightStartsHours) + 12,
                                          static_cast<int>(Settings.NightStartsMinutes), 0)};
        for (const CTime& c : candidates) {
            if (c > now && c < best)
                best = c;
        }
    }
    // Guard against odd clocks and settings: never aim at the past, never sleep for more than six
    // hours (a monotonic timer does not count a suspended machine).
    return std::clamp(best, now + CTimeSpan(1), now + CTimeSpan(6 * 3600));
}
