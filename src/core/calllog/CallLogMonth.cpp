#include "core/calllog/CallLogMonth.h"

#include <algorithm>

namespace {
std::string OldestCallMonth(const std::vector<LoggedCall>& calls) {
    const auto oldest =
        std::min_element(calls.begin(), calls.end(),
                         [](const LoggedCall& a, const LoggedCall& b) { return a.start < b.start; });
    return oldest->start.Format("%B");
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
        selection.oldMonth = log.month != currentMonth ? log.month : OldestCallMonth(log.calls);
    return selection;
}
