// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/MonthFigures.h"

#include "core/billing/CallArray.h"
#include "core/billing/PeriodTotals.h"

#include <algorithm>
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

double ProjectedBill(double spent, const CBillingPeriod& period, CTime now) {
    if (period.EndedBy(now))
        return spent;
    return spent * kDaysCounted / period.DayIndex(now);
}

double ProjectedBill(double spent, CTime now) {
    return ProjectedBill(spent, PeriodOf(now), now);
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

MonthPace ComputeMonthPace(double spent, const CBillingPeriod& period, CTime now, double monthLimit) {
    MonthPace pace;
    if (monthLimit == 0)
        return pace;
    pace.limited = true;
    pace.daysLeft = period.Days() - period.DayIndex(now) + 1;
    const double left = monthLimit - spent;
    if (left < 0) {
        pace.overspent = true;
        return pace;
    }
    // Whole cents, rounded down; the small allowance keeps 0.29 from turning into 0.28.
    pace.perDay = std::floor(left / pace.daysLeft * 100.0 + 1e-7) / 100.0;
    return pace;
}

MonthPace ComputeMonthPace(double spent, CTime now, double monthLimit) {
    return ComputeMonthPace(spent, PeriodOf(now), now, monthLimit);
}

std::vector<double> GetSpentPerDay(const CCallArray& calls, const CBillingPeriod& period, CTime now) {
    const int days = period.EndedBy(now) ? period.Days() : period.DayIndex(now);
    std::vector<double> perDay(static_cast<std::size_t>(std::max(days, 0)), 0.0);
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        const int day = period.DayIndex(call.GetStart());
        if (period.Contains(call.GetStart()) && day <= days)
            perDay[static_cast<std::size_t>(day - 1)] += call.GetCost();
    }
    return perDay;
}

std::vector<double> GetSpentPerDay(const CCallArray& calls, CTime now) {
    return GetSpentPerDay(calls, PeriodOf(now), now);
}
