// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/CallLogMonth.h"

#include <algorithm>

namespace {
// The month to offer an old log under, with its year when that is not this year: "December" alone
// would read as this month's.
std::string OldMonthName(const ParsedLog& log, const std::string& currentMonth, CTime now) {
    const LoggedCall* dating = nullptr;
    std::string month = log.month;
    if (log.month != currentMonth) {
        // The header names the month; its latest call of that name tells the year.
        for (const LoggedCall& call : log.calls) {
            if (call.start.Format("%B") == log.month && (!dating || dating->start < call.start))
                dating = &call;
        }
    } else {
        dating =
            &*std::min_element(log.calls.begin(), log.calls.end(),
                               [](const LoggedCall& a, const LoggedCall& b) { return a.start < b.start; });
        month = dating->start.Format("%B");
    }
    if (dating != nullptr && dating->start.GetYear() != now.GetYear())
        month += " " + std::to_string(dating->start.GetYear());
    return month;
}
} // namespace

MonthSelection SelectCurrentMonth(const ParsedLog& log, CTime now) {
    const std::tm today = now.GetLocalTm();
    const std::string currentMonth = now.Format("%B");
    MonthSelection selection;
    selection.calls.reserve(log.calls.size());
    for (const LoggedCall& call : log.calls) {
        if (IsSameMonth(call.start.GetLocalTm(), today))
            selection.calls.push_back(call);
    }
    // The year is compared as well: a log of the same month a year ago is an old log.
    const bool allCurrent = selection.calls.size() == log.calls.size();
    selection.rollOver = log.month != currentMonth || !allCurrent;
    if (selection.rollOver)
        selection.oldMonth = OldMonthName(log, currentMonth, now);
    return selection;
}
