// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/CallListText.h"

#include "core/billing/CallArray.h"
#include "core/billing/Money.h"

std::string DurationText(CTimeSpan span) {
    const std::int64_t hours = span.GetTotalHours();
    const std::string head = hours != 0 ? std::to_string(hours) : std::string("00");
    return head + ":" + span.Format("%M:%S");
}

CallRowTexts BuildCallRowTexts(const CCallRecord& call) {
    return {call.GetStart().Format("%x %X"), DurationText(call.GetDuration()), ShownAmount(call.GetCost())};
}

// One pass, each copy priced once, so the total cost agrees with the rows.
CallListTotals BuildCallListTotals(const CCallArray& calls) {
    CTimeSpan totalTime;
    double totalCost = 0.0;
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        totalTime += call.GetDuration();
        totalCost += call.GetCost();
    }
    return {static_cast<unsigned>(calls.GetSize()), DurationText(totalTime), ShownAmount(totalCost)};
}

CallListTexts BuildCallListTexts(const CCallArray& calls) {
    CallListTexts texts;
    texts.rows.reserve(static_cast<std::size_t>(calls.GetSize()));
    for (int i = 0; i < calls.GetSize(); ++i)
        texts.rows.push_back(BuildCallRowTexts(calls.GetAt(i)));
    const CallListTotals totals = BuildCallListTotals(calls);
    texts.callCount = std::to_string(totals.callCount);
    texts.totalTime = totals.totalTime;
    texts.totalCost = totals.totalCost;
    return texts;
}
