// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/MonthFigures.h"

#include "core/billing/CallArray.h"

#include <cmath>

namespace {
constexpr double kNearLimitFactor = 0.8;
constexpr int kDaysCounted = 30;
} // namespace

int ChartScale::Steps() const {
    return static_cast<int>(std::lround(top / step));
}

ChartScale ScaleFor(double highest) {
    if (!(highest > 0) || !std::isfinite(highest))
        return {};
    const double wanted = highest * 1.1;
    const double rough = wanted / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (const double nice : {1.0, 2.0, 2.5, 5.0}) {
        if (nice * power >= rough) {
            step = nice * power;
            break;
        }
    }
    return {std::ceil(wanted / step - 1e-9) * step, step};
}

double ProjectedBill(double spent, CTime now) {
    return spent * kDaysCounted / now.GetDay();
}

// The comparisons are made on the doubles themselves, so a projection a hair off a boundary falls
// on one side of it.
Verdict JudgeProjection(double projected, double monthLimit) {
    if (projected <= monthLimit && projected < kNearLimitFactor * monthLimit)
        return Verdict::WellWithin;
    if (projected <= monthLimit && projected != monthLimit)
        return Verdict::JustUnder;
    if (projected == monthLimit)
        return Verdict::Exactly;
    if (kNearLimitFactor * projected <= monthLimit)
        return Verdict::JustAbove;
    return Verdict::WayAbove;
}

int DaysInMonth(CTime now) {
    const std::tm t = now.GetLocalTm();
    // Day 0 of the next month is the last day of this one; noon keeps clear of DST gaps.
    return CTime(t.tm_year + 1900, t.tm_mon + 2, 0, 12, 0, 0).GetDay();
}

MonthPace ComputeMonthPace(double spent, CTime now, double monthLimit) {
    MonthPace pace;
    if (monthLimit == 0)
        return pace;
    pace.limited = true;
    pace.daysLeft = DaysInMonth(now) - now.GetDay() + 1;
    const double left = monthLimit - spent;
    if (left < 0) {
        pace.overspent = true;
        return pace;
    }
    // Whole cents, rounded down; the small allowance keeps 0.29 from turning into 0.28.
    pace.perDay = std::floor(left / pace.daysLeft * 100.0 + 1e-7) / 100.0;
    return pace;
}

std::vector<double> GetSpentPerDay(const CCallArray& calls, CTime now) {
    const std::tm today = now.GetLocalTm();
    std::vector<double> perDay(static_cast<std::size_t>(today.tm_mday), 0.0);
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        const std::tm start = call.GetStart().GetLocalTm();
        if (IsSameMonth(start, today) && start.tm_mday <= today.tm_mday)
            perDay[static_cast<std::size_t>(start.tm_mday - 1)] += call.GetCost();
    }
    return perDay;
}
