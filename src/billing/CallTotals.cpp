#include "billing/CallTotals.h"

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

// The list is in chronological order and holds one month only, so the day of the month is enough
// and the walk can stop at the first call of another day.
double GetSpentToday(const CCallArray& calls, CTime now) {
    const int today = now.GetDay();
    double spent = 0.0;
    for (int i = calls.GetUpperBound(); i >= 0; --i) {
        const CCallRecord call = calls.GetAt(i);
        if (call.GetStart().GetDay() != today)
            break;
        spent += call.GetCost();
    }
    return spent;
}
