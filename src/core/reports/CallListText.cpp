#include "core/reports/CallListText.h"

#include "core/billing/CallArray.h"
#include "core/billing/Money.h"

std::string DurationText(CTimeSpan span) {
    const std::int64_t hours = span.GetTotalHours();
    const std::string head = hours != 0 ? std::to_string(hours) : std::string("00");
    return head + ":" + span.Format("%M:%S");
}

CallListTexts BuildCallListTexts(const CCallArray& calls) {
    CallListTexts texts;
    CTimeSpan totalTime;
    double totalCost = 0.0;
    for (int i = 0; i < calls.GetSize(); ++i) {
        // Each copy is priced afresh, so the row and the total agree with the current tariff.
        const CCallRecord call = calls.GetAt(i);
        totalTime += call.GetDuration();
        totalCost += call.GetCost();
        texts.rows.push_back(
            {call.GetStart().Format("%x %X"), DurationText(call.GetDuration()), ShownAmount(call.GetCost())});
    }
    texts.callCount = std::to_string(calls.GetSize());
    texts.totalTime = DurationText(totalTime);
    texts.totalCost = ShownAmount(totalCost);
    return texts;
}
