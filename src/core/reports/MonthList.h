// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"
#include "core/calllog/CallHistory.h"
#include "core/platform/TimeSpan.h"

#include <array>
#include <string>
#include <vector>

class CCallArray;

// The months a user can look back on: this billing period first, then those of the history,
// newest first, each with its calls, online time and cost (priced by the tariff in force), as the
// period selector of the Logs and Reports sheet and "corvellanctl months" list them.

struct MonthRow {
    CBillingPeriod period;
    bool current = false;
    int calls = 0;
    CTimeSpan time;
    double cost = 0.0;
    std::string problem; // a history file that could not be used, and why
};

CCallArray CallArrayOf(const std::vector<LoggedCall>& calls);
MonthRow RowOf(const CBillingPeriod& period, const CCallArray& calls, bool current);
std::vector<MonthRow> BuildMonthRows(const CBillingPeriod& current, const CCallArray& calls,
                                     const std::vector<PastMonth>& past);

// "2026-11<TAB>1 November to 30 November<TAB>12<TAB>3:05:09<TAB>$42.10", the current one ending
// in "<TAB>this month"; a file that could not be used: its month and the problem.
std::string MonthsText(const std::vector<MonthRow>& rows);
// Month,First day,Last day,Calls,Online seconds,Cost,Problem with CR LF, as the calls' CSV.
std::string MonthsCsv(const std::vector<MonthRow>& rows);
std::string MonthsJson(const std::vector<MonthRow>& rows);

// The twelve periods that start in the months of a year, with the year's totals: the year view.
struct YearFigures {
    int year = 0;
    std::array<MonthRow, 12> months;
    MonthRow total;
};
YearFigures BuildYear(int year, unsigned startDay, const std::vector<MonthRow>& rows);
// The years this month and the readable months of the history start in, newest first.
std::vector<int> YearsOf(const CBillingPeriod& current, const std::vector<PastMonth>& past);

// The chart's figures of a period, one day a line: "2026-11-15<TAB>$1.20", or as CSV
// (Date,Cost) or JSON.
std::string ChartText(const CBillingPeriod& period, const std::vector<double>& perDay);
std::string ChartCsv(const CBillingPeriod& period, const std::vector<double>& perDay);
std::string ChartJson(const CBillingPeriod& period, const std::vector<double>& perDay, double dayLimit);
