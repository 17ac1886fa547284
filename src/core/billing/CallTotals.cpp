// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/CallTotals.h"

double GetTotalCost(const CCallArray& calls) {
    double total = 0.0;
    for (int i = 0; i < calls.GetSize(); ++i)
        total += calls.GetAt(i).GetCost();
    return total;
}

CTimeSpan GetTotalTime(const CCallArray& calls) {
    CTimeSpan total(0);
    for (int i = 0; i < calls.GetSize(); ++i)
        total += calls.GetAt(i).GetDuration();
    return total;
}

int GetCallCount(const CCallArray& calls) {
    return calls.GetUpperBound() + 1;
}

// The list is in chronological order, so the walk can stop at the first call of another day. The
// whole date is compared: a window left open over the turn of a month still holds the old month's
// calls, and the 1st of December must not count the 1st of November.
double GetSpentToday(const CCallArray& calls, CTime now) {
    const std::tm today = now.GetLocalTm();
    double spent = 0.0;
    for (int i = calls.GetUpperBound(); i >= 0; --i) {
        const CCallRecord call = calls.GetAt(i);
        if (!IsSameDate(call.GetStart().GetLocalTm(), today))
            break;
        spent += call.GetCost();
    }
    return spent;
}
