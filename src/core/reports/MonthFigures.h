// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/platform/Time.h"

#include <vector>

class CCallArray;

// The figures behind the report, the pace line and the chart. Money is in currency units. "The
// month" is a billing period; the forms without one take the period of now (see PeriodOf).

// The bill the month heads for: the calls so far are taken to cover the first D days (D the day of
// the period of now) of a month counted as 30 days. Of a period that has ended, what it cost.
double ProjectedBill(double spent, const CBillingPeriod& period, CTime now);
double ProjectedBill(double spent, CTime now);

// Where the projection lies against the month limit: below 80 %, from 80 % up to the limit, on it,
// above it up to 125 %, beyond.
enum class Verdict { WellWithin, JustUnder, Exactly, JustAbove, WayAbove };
Verdict JudgeProjection(double projected, double monthLimit);

// What may still be spent each day, today included, to end the month within its limit.
struct MonthPace {
    bool limited = false;   // a month limit is set; nothing else means anything without one
    bool overspent = false; // the month's spending is already above the limit
    int daysLeft = 0;
    double perDay = 0.0; // rounded down to whole cents: following it never passes the limit
};
MonthPace ComputeMonthPace(double spent, const CBillingPeriod& period, CTime now, double monthLimit);
MonthPace ComputeMonthPace(double spent, CTime now, double monthLimit);

// The money axis of the chart: from 0 to top in steps of step, both round numbers (1, 2, 2.5 or 5
// times a power of ten), top above the highest value and a tenth to spare, four to six steps.
struct ChartScale {
    double top = 1.0;
    double step = 0.25;
    int Steps() const;
};
ChartScale ScaleFor(double highest);

// The cost of the calls that started on each day of the period, from its first day to today (to
// its last day once it has ended). Calls of other periods, or dated after today, are left out.
std::vector<double> GetSpentPerDay(const CCallArray& calls, const CBillingPeriod& period, CTime now);
std::vector<double> GetSpentPerDay(const CCallArray& calls, CTime now);
