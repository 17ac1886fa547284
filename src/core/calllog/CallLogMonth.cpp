// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallLogMonth.h"

#include "core/billing/BillingPeriod.h"

#include <algorithm>

namespace {
// The month to offer an old log under: that of its oldest call, with its year when that is not this
// year ("December" alone would read as this month's).
std::string OldMonthName(const std::vector<LoggedCall>& ended, const CBillingPeriod& current,
                         unsigned startDay) {
    const LoggedCall& oldest =
        *std::min_element(ended.begin(), ended.end(),
                          [](const LoggedCall& a, const LoggedCall& b) { return a.start < b.start; });
    const CBillingPeriod period = CBillingPeriod::Of(oldest.start, startDay);
    std::string month = period.MonthName();
    if (period.Year() != current.Year())
        month += " " + std::to_string(period.Year());
    return month;
}
} // namespace

MonthSelection SelectCurrentMonth(const ParsedLog& log, CTime now, unsigned startDay) {
    const CBillingPeriod current = CBillingPeriod::Of(now, startDay);
    MonthSelection selection;
    selection.calls.reserve(log.calls.size());
    std::vector<LoggedCall> ended;
    // The period's bounds as moments, converted once: a log may hold a million calls.
    const CTime start = current.Start(), next = current.Next().Start();
    for (const LoggedCall& call : log.calls) {
        const bool earlier = call.start < start;
        (!earlier && call.start < next ? selection.calls : selection.others).push_back(call);
        if (earlier)
            ended.push_back(call);
    }
    // The dates decide, never the header's month name: a log written under another language names
    // its month in that language. Calls of a month still to come (a clock set back) are no new month.
    selection.rollOver = !ended.empty();
    if (selection.rollOver)
        selection.oldMonth = OldMonthName(ended, current, startDay);
    return selection;
}
