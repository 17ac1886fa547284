// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallLogMonth.h"

#include "core/billing/BillingPeriod.h"

#include <algorithm>

namespace {
// The month to offer an old log under, with its year when that is not this year: "December" alone
// would read as this month's.
std::string OldMonthName(const ParsedLog& log, const CBillingPeriod& current, unsigned startDay) {
    const LoggedCall* dating = nullptr;
    std::string month = log.month;
    const auto periodOf = [startDay](const LoggedCall& call) {
        return CBillingPeriod::Of(call.start, startDay);
    };
    if (log.month != current.MonthName()) {
        // The header names the month; its latest call of that name tells the year.
        for (const LoggedCall& call : log.calls) {
            if (periodOf(call).MonthName() == log.month && (!dating || dating->start < call.start))
                dating = &call;
        }
    } else {
        dating =
            &*std::min_element(log.calls.begin(), log.calls.end(),
                               [](const LoggedCall& a, const LoggedCall& b) { return a.start < b.start; });
        month = periodOf(*dating).MonthName();
    }
    if (dating != nullptr && periodOf(*dating).Year() != current.Year())
        month += " " + std::to_string(periodOf(*dating).Year());
    return month;
}
} // namespace

MonthSelection SelectCurrentMonth(const ParsedLog& log, CTime now, unsigned startDay) {
    const CBillingPeriod current = CBillingPeriod::Of(now, startDay);
    MonthSelection selection;
    selection.calls.reserve(log.calls.size());
    for (const LoggedCall& call : log.calls)
        (current.Contains(call.start) ? selection.calls : selection.others).push_back(call);
    // The year is compared as well: a log of the same month a year ago is an old log.
    selection.rollOver = log.month != current.MonthName() || !selection.others.empty();
    if (selection.rollOver)
        selection.oldMonth = OldMonthName(log, current, startDay);
    return selection;
}
