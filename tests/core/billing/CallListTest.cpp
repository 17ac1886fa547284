// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"

#include "support/FreshState.h"

namespace {
using CallListTest = FreshStateTest;

// Wednesday 17 January 2024, weekday day rate 2.
CCallRecord DayCall(int hour, int minutes, int day = 17) {
    return CCallRecord(CTime(2024, 1, day, hour, 0, 0), CTime(2024, 1, day, hour, minutes, 0));
}

// Every record is priced again when it is read; a call whose clock was set back lasts and costs nothing.
TEST_F(CallListTest, TotalsFollowTheRatesInForce) {
    CCallArray calls;
    calls.Add(DayCall(10, 10));
    calls.Add(DayCall(11, 5));
    calls.Add(CCallRecord(CTime(2024, 1, 17, 11, 30, 0), CTime(2024, 1, 17, 11, 0, 0)));
    EXPECT_EQ(GetTotalCost(calls), 30.0);
    Settings.WeekdayDayRate = 3;
    EXPECT_EQ(GetTotalCost(calls), 45.0);
    EXPECT_EQ(GetTotalTime(calls).GetTotalSeconds(), 15 * 60);
    EXPECT_EQ(GetCallCount(calls), 3);
}

// Only calls begun on today's date count, and the walk back ends at the first of another date.
TEST_F(CallListTest, SpentTodayWalksBackOverTheCallsBegunToday) {
    const CTime now(2024, 1, 17, 23, 0, 0);
    CCallArray calls;
    calls.Add(CCallRecord(CTime(2024, 1, 16, 23, 50, 0), CTime(2024, 1, 17, 0, 10, 0)));
    calls.Add(DayCall(10, 10));
    calls.Add(DayCall(11, 5));
    EXPECT_EQ(GetSpentToday(calls, now), 30.0);
    EXPECT_EQ(GetSpentToday(calls, CTime(2024, 2, 17, 23, 0, 0)), 0.0) << "the 17th of another month";
    calls.Add(DayCall(9, 10, 3)); // appended last after the clock was changed by hand
    EXPECT_EQ(GetSpentToday(calls, now), 0.0);
}

} // namespace
