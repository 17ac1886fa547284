#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"

#include "support/FreshState.h"

namespace {

class CallListTest : public FreshStateTest {
protected:
    // Wednesday 17 January 2024, weekday day rate 2.
    static CCallRecord DayCall(int hour, int minutes) {
        return CCallRecord(CTime(2024, 1, 17, hour, 0, 0), CTime(2024, 1, 17, hour, minutes, 0));
    }
};

TEST_F(CallListTest, TotalsFollowTheRatesInForce) {
    CCallArray calls;
    EXPECT_EQ(GetTotalCost(calls), 0.0);
    EXPECT_EQ(GetTotalTime(calls).GetTotalSeconds(), 0);
    EXPECT_EQ(GetCallCount(calls), 0);
    calls.Add(DayCall(10, 10));
    calls.Add(DayCall(11, 5));
    calls.Add(CCallRecord(CTime(2024, 1, 17, 11, 30, 0), CTime(2024, 1, 17, 11, 0, 0))); // clock set back
    EXPECT_EQ(calls.GetAt(0).GetCost(), 20.0);
    EXPECT_EQ(GetTotalCost(calls), 30.0);
    Settings.WeekdayDayRate = 3;
    EXPECT_EQ(calls.GetAt(0).GetCost(), 30.0);
    EXPECT_EQ(GetTotalCost(calls), 45.0);
    EXPECT_EQ(GetTotalTime(calls).GetTotalSeconds(), 15 * 60);
    EXPECT_EQ(GetCallCount(calls), 3);
    EXPECT_EQ(calls.GetAt(2).GetDuration().GetTotalSeconds(), 0);
    EXPECT_EQ(calls.GetAt(2).GetCost(), 0.0);
}

TEST_F(CallListTest, SpentTodayWalksBackOverTheCallsBegunToday) {
    const CTime now(2024, 1, 17, 23, 0, 0);
    CCallArray calls;
    EXPECT_EQ(GetSpentToday(calls, now), 0.0);
    calls.Add(CCallRecord(CTime(2024, 1, 16, 23, 50, 0), CTime(2024, 1, 17, 0, 10, 0))); // costs 30
    EXPECT_EQ(GetSpentToday(calls, now), 0.0);
    calls.Add(DayCall(10, 10));
    calls.Add(DayCall(11, 5));
    EXPECT_EQ(GetSpentToday(calls, now), 30.0);
    EXPECT_EQ(GetSpentToday(calls, CTime(2024, 2, 17, 23, 0, 0)), 0.0) << "the 17th of another month";
    // A call dated another day appended last (clock changed by hand) ends the walk at once.
    calls.Add(CCallRecord(CTime(2024, 1, 3, 9, 0, 0), CTime(2024, 1, 3, 9, 10, 0)));
    EXPECT_EQ(GetSpentToday(calls, now), 0.0);
}

TEST_F(CallListTest, GrowsByAnEighthBetweenFourAndTenTwentyFour) {
    CCallArray calls;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(calls.Add(DayCall(i, 1)), i);
        EXPECT_EQ(calls.GetCapacity(), i < 4 ? 4 : 8);
    }
    calls.SetSize(16000);
    EXPECT_EQ(calls.GetCapacity(), 16000);
    calls.Add(DayCall(5, 1));
    EXPECT_EQ(calls.GetCapacity(), 17024);
    EXPECT_EQ(calls.GetAt(4).GetStart(), CTime(2024, 1, 17, 4, 0, 0)) << "records survive each move";
    calls.SetSize(1);
    calls.SetSize(3);
    EXPECT_EQ(calls.GetAt(2).GetEnd(), CTime(0)) << "slots brought back are blank";
}

} // namespace
