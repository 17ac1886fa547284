// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/CallMeter.h"
#include "core/billing/CallArray.h"
#include "core/platform/FakeClock.h"

#include "support/FreshState.h"

#include <functional>
#include <tuple>
#include <vector>

namespace {
using W = LimitWarning;
using Due = std::vector<std::vector<W>>;

// Starts a call at the clock's time and ticks at each offset; returns the warnings of each tick.
Due TickAt(CCallMeter& meter, const std::vector<int>& offsets) {
    const CTime start = meter.Start();
    Due due;
    for (int offset : offsets)
        due.push_back(meter.Tick(start + CTimeSpan(offset)).warnings);
    return due;
}

// Wednesday 2 December 2026, 14:00: the weekday day rate, 2.00 a minute.
class CallMeterTest : public FreshStateTest {
protected:
    void Call(CTime start, int seconds) { calls.Add(CCallRecord(start, start + CTimeSpan(seconds))); }

    FakeClock clock{CTime(2026, 12, 2, 14, 0, 0)};
    CCallArray calls;
    CCallMeter meter{clock, calls};
};

TEST_F(CallMeterTest, WarnsOnceStrictlyAboveEachLimitInOrder) {
    const std::tuple<const char*, std::function<void()>, std::vector<int>, Due> cases[] = {
        {"none at the limits (1.00), all above, call first, each once",
         [] {
             Settings.WarnCall = Settings.WarnDay = true;
             Settings.CallLimit = Settings.DayLimit = Settings.MonthLimit = 1;
         },
         {30, 31, 60},
         {{}, {W::Call, W::Day, W::Month}, {}}},
        {"warning switched off", [] { Settings.CallLimit = 2; }, {600}, {{}}},
        {"a limit of 0 never warns", [] { Settings.WarnCall = Settings.WarnDay = true; }, {600}, {{}}},
    };
    for (const auto& [name, settings, ticks, expected] : cases) {
        Settings = CSettings{};
        settings();
        CCallArray fresh;
        CCallMeter m(clock, fresh);
        EXPECT_EQ(TickAt(m, ticks), expected) << name;
    }
}

// Finished calls count: over the month limit already, the first tick of a call warns, a second
// call stays silent, and on a new day and month both warnings come again.
TEST_F(CallMeterTest, FinishedCallsCountAndWarningsComeAgainOnANewDayAndMonth) {
    Settings.WarnDay = true;
    Settings.DayLimit = 1, Settings.MonthLimit = 10;
    clock.Set(CTime(2026, 12, 31, 23, 0, 0));
    Call(CTime(2026, 12, 1, 10, 0, 0), 6 * 60); // 12.00 earlier this month
    EXPECT_DOUBLE_EQ(meter.Refresh().spentMonth, 12.0);
    EXPECT_EQ(TickAt(meter, {0, 60}), (Due{{W::Month}, {W::Day}}));
    meter.Stop();
    EXPECT_EQ(TickAt(meter, {600}), (Due{{}}));
    meter.Stop();
    clock.Set(CTime(2027, 1, 1, 0, 5, 0));
    Settings.MonthLimit = 1;
    EXPECT_EQ(TickAt(meter, {60}), (Due{{W::Day, W::Month}}));
}

// Each tick's warnings as letters: early ones in lower case, the limits' own in upper case.
using Letters = std::vector<std::string>;
Letters WarnedAt(CCallMeter& meter, const std::vector<int>& offsets) {
    const CTime start = meter.Start();
    Letters ticks;
    for (int offset : offsets) {
        const TickResult tick = meter.Tick(start + CTimeSpan(offset));
        ticks.emplace_back();
        for (const EarlyWarning& early : tick.early)
            ticks.back() += "cdm"[static_cast<int>(early.limit)];
        for (const W warning : tick.warnings)
            ticks.back() += "CDM"[static_cast<int>(warning)];
    }
    meter.Stop();
    return ticks;
}

// An early warning comes once, at its share of a limit whose warning is on, and never with or after
// the limit's own; the day's and month's come again on a new day and month.
TEST_F(CallMeterTest, EarlyWarningsComeOnceBeforeTheLimitsOwn) {
    Settings = {.CallLimit = 1, .WarnCall = true, .DayLimit = 10, .WarnDay = true, .MonthLimit = 10};
    Settings.EarlyWarningPercent = 80;
    clock.Set(CTime(2026, 12, 31, 23, 0, 0));
    Call(CTime(2026, 12, 31, 10, 0, 0), 4 * 60); // 8.00
    meter.Refresh();
    EXPECT_EQ(WarnedAt(meter, {0, 31}), (Letters{"dm", "C"})) << "straight past the call limit";
    clock.Set(CTime(2027, 1, 1, 0, 5, 0)); // weekday night, 1.50 a minute
    EXPECT_EQ(WarnedAt(meter, {319, 320, 401}), (Letters{"", "dm", "DM"}));
    Settings.CallLimit = 5;
    CCallArray none;
    CCallMeter fresh(clock, none);
    EXPECT_EQ(WarnedAt(fresh, {159, 160, 161, 201}), (Letters{"", "c", "", "C"})) << "4.00 of 5.00";
    Settings.EarlyWarningPercent = 0;
    CCallMeter off(clock, none);
    EXPECT_EQ(WarnedAt(off, {160}), Letters{""}) << "at 0 %";
    EXPECT_EQ(CCallMeter::EarlyWarningText({W::Day, 4, 5}),
              "You have used 80 % of your day limit: $4.00 of $5.00.");
    EXPECT_EQ(CCallMeter::EarlyWarningText({W::Month, 4.35, 5}),
              "You have used 87 % of your month limit: $4.35 of $5.00.");
}

// Billed from the 15th: the month's spending and its warning start again on the 15th.
TEST_F(CallMeterTest, TheMonthIsTheBillingPeriod) {
    Settings.PeriodStartDay = 15;
    Settings.MonthLimit = 10;
    clock.Set(CTime(2026, 12, 14, 23, 0, 0));
    Call(CTime(2026, 12, 1, 10, 0, 0), 6 * 60); // 12.00 in the period from 15 November
    EXPECT_DOUBLE_EQ(meter.Refresh().spentMonth, 12.0);
    EXPECT_EQ(TickAt(meter, {60}), (Due{{W::Month}}));
    meter.Stop();
    clock.Set(CTime(2026, 12, 15, 0, 5, 0));
    EXPECT_EQ(meter.Follow(clock.Now()).spentMonth, 0.0);
    Settings.MonthLimit = 1;
    EXPECT_EQ(TickAt(meter, {60}), (Due{{W::Month}}));
}

TEST_F(CallMeterTest, StartStopRecordsThePricedCallAndLeavesTheFiguresAsShown) {
    meter.Refresh();
    EXPECT_EQ(meter.Start(), clock.Now());
    const MeterFigures during = meter.Tick(CTime(2026, 12, 2, 14, 10, 0)).figures;
    EXPECT_EQ(std::tie(during.callCost, during.spentToday, during.spentMonth), std::tuple(20.0, 20.0, 20.0));
    clock.Set(CTime(2026, 12, 2, 14, 10, 30));
    EXPECT_DOUBLE_EQ(meter.Stop().GetCost(), 21.0);
    ASSERT_EQ(calls.GetSize(), 1);
    EXPECT_EQ(calls.GetAt(0).GetEnd(), clock.Now());
    EXPECT_TRUE(LogChanged);
    EXPECT_EQ(meter.Figures().spentToday, 20.0) << "a stop changes nothing shown";
    const MeterFigures after = meter.Follow(clock.Now());
    EXPECT_EQ(std::tie(after.spentToday, after.spentMonth), std::tuple(21.0, 21.0));
    EXPECT_EQ(meter.Refresh().callCost, 0.0);
    calls.RemoveAll();
    EXPECT_EQ(meter.ListChanged().spentMonth, 0.0);
}

TEST_F(CallMeterTest, FollowsTheRateAndTheDateAtEachBoundary) {
    clock.Set(CTime(2026, 12, 2, 23, 0, 0));
    Call(CTime(2026, 12, 2, 22, 0, 0), 60); // 2.00
    EXPECT_DOUBLE_EQ(meter.Refresh().rate, 2.0);
    const std::tuple<CTime, double, double, double, CTime> steps[] = {
        // Never more than six hours ahead: a monotonic timer does not count a suspended machine.
        {CTime(2026, 12, 2, 23, 30, 0), 1.5, 2, 2, CTime(2026, 12, 3, 0, 0, 0)},
        {CTime(2026, 12, 3, 0, 0, 0), 1.5, 0, 2, CTime(2026, 12, 3, 6, 0, 0)},
        {CTime(2026, 12, 3, 6, 0, 0), 1.5, 0, 2, CTime(2026, 12, 3, 6, 31, 0)},
        {CTime(2026, 12, 3, 6, 31, 0), 2.0, 0, 2, CTime(2026, 12, 3, 12, 31, 0)},
        {CTime(2027, 1, 1, 0, 0, 0), 1.5, 0, 0, CTime(2027, 1, 1, 6, 0, 0)},
    };
    for (const auto& [now, rate, today, month, next] : steps) {
        const MeterFigures f = meter.Follow(now);
        EXPECT_EQ(std::tuple(f.rate, f.spentToday, f.spentMonth, meter.NextBoundary(now)),
                  std::tuple(rate, today, month, next))
            << now.Format("%F %T");
    }
    EXPECT_EQ(calls.GetSize(), 1) << "the old month's call stays for the log";
}

TEST(BarTest, ScalesTenthsToTheWholePartOfTheLimit) {
    const std::tuple<double, double, BarState> cases[] = {{0, 5, {0, 0}},
                                                          {0.5, 5, {0, 0}},
                                                          {2.5, 0, {20, 0}},
                                                          {2.5, 1.55, {20, 15}},
                                                          {2.5, 2.0, {20, 20}},
                                                          {2.5, 4.0, {20, 20}},
                                                          {1e12, 1e13, {2147483647, 2147483647}}};
    for (const auto& [limit, amount, bar] : cases)
        EXPECT_EQ(BarFor(limit, amount), bar) << limit << " " << amount;
    EXPECT_EQ(BarState{}.Fraction(), 0.0);
}

TEST(ElapsedTextTest, HoursAsManyAsThereAreThenMinutesAndSeconds) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00:00"}, {754, "0:12:34"}, {3599, "0:59:59"}, {90061, "25:01:01"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(ElapsedText(CTimeSpan(seconds)), text);
}
} // namespace
