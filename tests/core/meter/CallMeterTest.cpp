#include "core/meter/CallMeter.h"
#include "core/billing/CallArray.h"
#include "core/platform/FakeClock.h"

#include "support/FreshState.h"

#include <functional>
#include <vector>

namespace {
using W = LimitWarning;

// Wednesday 2 December 2026, 14:00: the weekday day rate, 2.00 a minute.
class CallMeterTest : public FreshStateTest {
protected:
    void Call(CTime start, int seconds) { calls.Add(CCallRecord(start, start + CTimeSpan(seconds))); }
    // Starts a call at the clock's time and ticks at each offset; returns the warnings of each tick.
    std::vector<std::vector<W>> TickAt(std::initializer_list<int> offsets) {
        const CTime start = meter.Start();
        std::vector<std::vector<W>> due;
        for (int offset : offsets)
            due.push_back(meter.Tick(start + CTimeSpan(offset)).warnings);
        return due;
    }

    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CCallArray calls;
    CCallMeter meter{clock, calls};
};

struct WarningCase {
    const char* name;
    std::function<void()> settings;
    std::initializer_list<int> ticks; // seconds into the call
    std::vector<std::vector<W>> expected;
};

TEST_F(CallMeterTest, WarnsOnceStrictlyAboveEachLimitInOrder) {
    const WarningCase cases[] = {
        {"call: 2.00 is not above 2.00, 2.03 is, and only once",
         [] { Settings.WarnCall = true, Settings.CallLimit = 2; },
         {60, 61, 120},
         {{}, {W::Call}, {}}},
        {"warning switched off", [] { Settings.CallLimit = 2; }, {600}, {{}}},
        {"a limit of 0 never warns",
         [] { Settings.WarnCall = Settings.WarnDay = true, Settings.MonthLimit = 0; },
         {600},
         {{}}},
        {"day", [] { Settings.WarnDay = true, Settings.DayLimit = 1; }, {30, 31}, {{}, {W::Day}}},
        {"all three at once, call first",
         [] {
             Settings.WarnCall = Settings.WarnDay = true;
             Settings.CallLimit = Settings.DayLimit = Settings.MonthLimit = 1;
         },
         {60},
         {{W::Call, W::Day, W::Month}}},
    };
    for (const WarningCase& c : cases) {
        Settings = CSettings{};
        c.settings();
        CCallArray fresh;
        CCallMeter m(clock, fresh);
        m.Refresh();
        const CTime start = m.Start();
        std::vector<std::vector<W>> due;
        for (int offset : c.ticks)
            due.push_back(m.Tick(start + CTimeSpan(offset)).warnings);
        EXPECT_EQ(due, c.expected) << c.name;
    }
}

TEST_F(CallMeterTest, CountsFinishedCallsAgainstTheDayAndMonth) {
    Settings.MonthLimit = 10;
    Call(CTime(2026, 12, 1, 10, 0, 0), 6 * 60); // 12.00 yesterday
    EXPECT_DOUBLE_EQ(meter.Refresh().spentMonth, 12.0);
    EXPECT_EQ(TickAt({0, 60}), (std::vector<std::vector<W>>{{W::Month}, {}}))
        << "over the month limit already: the first tick of a call warns";
    meter.Stop();
    EXPECT_EQ(TickAt({600}), (std::vector<std::vector<W>>{{}})) << "a second call stays silent";
}

TEST_F(CallMeterTest, DayAndMonthWarningsComeAgainOnANewDayAndMonth) {
    Settings.WarnDay = true;
    Settings.DayLimit = Settings.MonthLimit = 1;
    clock.Set(CTime(2026, 12, 31, 23, 0, 0));
    meter.Refresh();
    EXPECT_EQ(TickAt({60}), (std::vector<std::vector<W>>{{W::Day, W::Month}}));
    meter.Stop();
    clock.Set(CTime(2027, 1, 1, 0, 5, 0));
    EXPECT_EQ(TickAt({60}), (std::vector<std::vector<W>>{{W::Day, W::Month}}));
}

TEST_F(CallMeterTest, StartStopRecordsThePricedCallAndLeavesTheFiguresAsShown) {
    meter.Refresh();
    EXPECT_EQ(meter.Start(), CTime(2026, 12, 2, 14, 0, 0));
    const MeterFigures during = meter.Tick(CTime(2026, 12, 2, 14, 10, 0)).figures;
    EXPECT_DOUBLE_EQ(during.callCost, 20.0);
    EXPECT_DOUBLE_EQ(during.spentToday, 20.0);
    EXPECT_DOUBLE_EQ(during.spentMonth, 20.0);
    clock.Set(CTime(2026, 12, 2, 14, 10, 30));
    const CCallRecord call = meter.Stop();
    EXPECT_FALSE(meter.IsRunning());
    EXPECT_DOUBLE_EQ(call.GetCost(), 21.0);
    ASSERT_EQ(calls.GetSize(), 1);
    EXPECT_EQ(calls.GetAt(0).GetEnd(), clock.Now());
    EXPECT_TRUE(LogChanged);
    EXPECT_DOUBLE_EQ(meter.Figures().spentToday, 20.0) << "a stop changes nothing shown";
    EXPECT_DOUBLE_EQ(meter.Figures().callCost, 20.0);
    const MeterFigures after = meter.Refresh();
    EXPECT_DOUBLE_EQ(after.spentToday, 21.0);
    EXPECT_DOUBLE_EQ(after.callCost, 0.0);
    calls.RemoveAll();
    EXPECT_DOUBLE_EQ(meter.ListCleared().spentMonth, 0.0);
}

TEST_F(CallMeterTest, FollowsTheRateAndTheDateAtEachBoundary) {
    clock.Set(CTime(2026, 12, 2, 23, 0, 0));
    Call(CTime(2026, 12, 2, 22, 0, 0), 60); // 2.00
    EXPECT_DOUBLE_EQ(meter.Refresh().rate, 2.0);
    struct Step {
        CTime now;
        double rate, today, month;
        CTime next;
    } steps[] = {
        // Never more than six hours ahead: a monotonic timer does not count a suspended machine.
        {CTime(2026, 12, 2, 23, 30, 0), 1.5, 2, 2, CTime(2026, 12, 3, 0, 0, 0)},
        {CTime(2026, 12, 3, 0, 0, 0), 1.5, 0, 2, CTime(2026, 12, 3, 6, 0, 0)},
        {CTime(2026, 12, 3, 6, 31, 0), 2.0, 0, 2, CTime(2026, 12, 3, 12, 31, 0)},
        {CTime(2027, 1, 1, 0, 0, 0), 1.5, 0, 0, CTime(2027, 1, 1, 6, 0, 0)},
    };
    for (const Step& s : steps) {
        const MeterFigures f = meter.Follow(s.now);
        EXPECT_DOUBLE_EQ(f.rate, s.rate) << s.now.Format("%F %T");
        EXPECT_DOUBLE_EQ(f.spentToday, s.today) << s.now.Format("%F %T");
        EXPECT_DOUBLE_EQ(f.spentMonth, s.month) << s.now.Format("%F %T");
        EXPECT_EQ(meter.NextBoundary(s.now), s.next) << s.now.Format("%F %T");
    }
    EXPECT_EQ(calls.GetSize(), 1) << "the old month's call stays for the log";
}

TEST(BarTest, ScalesTenthsToTheWholePartOfTheLimit) {
    const struct {
        double limit, amount;
        BarState bar;
    } cases[] = {
        {0, 5, {0, 0}},       {0.5, 5, {0, 0}},         {-3, 5, {0, 0}},
        {2.5, 0, {20, 0}},    {2.5, 1.55, {20, 15}},    {2.5, 2.0, {20, 20}},
        {2.5, 4.0, {20, 20}}, {1e6, 1, {10000000, 10}}, {1e12, 1e13, {2147483647, 2147483647}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BarFor(c.limit, c.amount), c.bar) << c.limit << " " << c.amount;
    EXPECT_DOUBLE_EQ((BarState{20, 15}).Fraction(), 0.75);
    EXPECT_DOUBLE_EQ(BarState{}.Fraction(), 0.0);
}
} // namespace
