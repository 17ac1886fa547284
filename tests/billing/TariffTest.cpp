#include "billing/Tariff.h"

#include "ZonedBillingTest.h"

#include <algorithm>

namespace {

struct CostCase {
    const char* name;
    LocalMoment start, end;
    double withoutRounding, withRounding;
    unsigned intervals = 3;
};

// Default tariff: weekday 2 by day and 1.5 by night, weekend 1.5 and 1, day from 6:30, night from 11:30 PM.
const CostCase kCostTable[] = {
    {"DayWithSeconds", {Wed, 20, 0, 0}, {Wed, 20, 10, 30}, 21.0, 24.0},
    {"DayIntoNight", {Wed, 23, 0, 0}, {Wed, 23, 45, 0}, 82.5, 82.5},
    {"DayIntoNightDropsSeconds", {Wed, 23, 0, 20}, {Wed, 23, 45, 0}, 80.5, 80.5},
    {"DayIntoNightRoundsSecondPiece", {Wed, 23, 0, 20}, {Wed, 23, 45, 10}, 80.75, 85.0},
    {"NightIntoDay", {Wed, 6, 0, 0}, {Wed, 6, 45, 0}, 75.0, 75.0},
    {"DayStartMinuteIsNight", {Wed, 6, 0, 0}, {Wed, 6, 30, 59}, 46.475, 49.5},
    {"StartInDayStartMinute", {Wed, 6, 30, 20}, {Wed, 6, 35, 0}, 10.0, 12.0},
    {"FridayNightIntoSaturday", {Fri, 23, 50, 0}, {Sat, 0, 20, 0}, 45.0, 45.0},
    {"EveningIntoNextNight", {Wed, 22, 0, 0}, {Thu, 1, 0, 0}, 315.0, 315.0},
    {"WeekendDay", {Sat, 10, 0, 0}, {Sat, 10, 20, 0}, 30.0, 31.5},
    {"OneSecondBeforeNight", {Wed, 23, 29, 59}, {Wed, 23, 30, 0}, 0.0, 0.0},
};

const CostCase kMendedAndKept[] = {
    // Evening part of the night into the day: split at the next morning's day switch.
    {"EveningNightIntoDay", {Wed, 23, 45, 0}, {Thu, 7, 0, 0}, 667.5, 667.5},
    {"EveningNightIntoDaySeconds",
     {Wed, 23, 45, 30},
     {Thu, 7, 0, 10},
     606.0 + 60.0 + 1.0 / 3.0,
     606.0 + 66.0},
    {"WeekendEveningNightIntoDay", {Sat, 23, 45, 0}, {Sun, 7, 0, 0}, 450.0, 450.0},
    // Interval of 0 minutes: no rounding.
    {"ZeroIntervalSamePeriod", {Wed, 20, 0, 0}, {Wed, 20, 10, 30}, 21.0, 21.0, 0},
    {"ZeroIntervalSplit", {Wed, 23, 0, 20}, {Wed, 23, 45, 10}, 80.75, 80.75, 0},
    // Clock set back during the call.
    {"EndBeforeStart", {Wed, 10, 10, 0}, {Wed, 10, 0, 0}, 0.0, 0.0},
    {"EndBeforeStartAcrossPeriods", {Thu, 7, 0, 0}, {Wed, 23, 45, 0}, 0.0, 0.0},
    // Both ends in the day: the night between is not looked at.
    {"DayToNextDay", {Wed, 20, 0, 0}, {Thu, 8, 0, 0}, 1440.0, 1440.0},
};

void PrintTo(const CostCase& row, std::ostream* os) {
    *os << row.name;
}

using CostTest = ZonedBillingTest<CostCase>;

TEST_P(CostTest, MatchesTable) {
    Settings.Intervals = row().intervals;
    EXPECT_NEAR(ComputeCallCost(At(row().start), At(row().end)), row().withoutRounding, 1e-9);
    Settings.BreakIntervals = true;
    EXPECT_NEAR(ComputeCallCost(At(row().start), At(row().end)), row().withRounding, 1e-9);
}

INSTANTIATE_ZONED(Table, CostTest, kCostTable);
INSTANTIATE_ZONED(Mended, CostTest, kMendedAndKept);

struct RateCase {
    const char* name;
    LocalMoment at;
    double rate;
};

// Distinct rates: weekday day 4, weekday night 3, weekend day 2, weekend night 1.
const RateCase kRates[] = {
    {"MondayDayStartMinute", {Mon, 6, 30, 30}, 3}, {"MondayAfterDayStart", {Mon, 6, 31, 0}, 4},
    {"SundayNightStart", {Sun, 23, 30, 0}, 1},     {"WednesdayLastDaySecond", {Wed, 23, 29, 59}, 4},
    {"SaturdayMorning", {Sat, 6, 31, 0}, 2},       {"FridayJustAfterMidnight", {Fri, 0, 0, 0}, 3},
};

void PrintTo(const RateCase& row, std::ostream* os) {
    *os << row.name;
}

using RateTest = ZonedBillingTest<RateCase>;

TEST_P(RateTest, PicksRateInForce) {
    Settings.WeekdayDayRate = 4;
    Settings.WeekdayNightRate = 3;
    Settings.WeekendDayRate = 2;
    Settings.WeekendNightRate = 1;
    EXPECT_EQ(GetRateAt(At(row().at)), row().rate);
}

INSTANTIATE_ZONED(Moments, RateTest, kRates);

struct ChargeCase {
    bool breakIntervals;
    unsigned intervals;
    long long seconds;
    double minutes;
};

class ChargedMinutesTest : public ::testing::TestWithParam<ChargeCase> {
protected:
    void SetUp() override { Settings = CSettings{}; }
};

TEST_P(ChargedMinutesTest, RoundsUpToWholeIntervals) {
    Settings.BreakIntervals = GetParam().breakIntervals;
    Settings.Intervals = GetParam().intervals;
    EXPECT_DOUBLE_EQ(GetChargedMinutes(CTimeSpan(GetParam().seconds)), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Spans, ChargedMinutesTest,
                         ::testing::Values(ChargeCase{true, 1, 0, 0}, ChargeCase{true, 1, 1, 1},
                                           ChargeCase{true, 1, 60, 1}, ChargeCase{true, 1, 61, 2},
                                           ChargeCase{true, 5, 360, 10}, ChargeCase{true, 5, 300, 5},
                                           ChargeCase{true, 3, 59, 3}, ChargeCase{true, 3, 181, 6},
                                           ChargeCase{false, 3, 630, 10.5}, ChargeCase{true, 0, 630, 10.5},
                                           ChargeCase{true, 3, -61, 0}, ChargeCase{false, 3, -61, 0}));

// Calls starting every 97 seconds over the Saturday night of both Athens changes of daylight saving:
// whatever the settings, no piece of a call may run backwards, so the cost stays within the call's
// length at the cheapest rate (1) and the dearest (2), give or take a minute and one interval.
void ExpectCostsWithinCallLength(const char* tz) {
    for (const CTime first : {CTime(2024, 3, 30, 12, 0, 7), CTime(2024, 10, 26, 12, 0, 7)}) {
        for (long long offset = 0; offset < 86400; offset += 97) {
            const CTime start = first + CTimeSpan(offset);
            for (long long length : {0LL, 59LL, 61LL, 1800LL, 4 * 3600LL, 7 * 3600 + 15 * 60LL, 86400LL}) {
                const double minutes = length / 60.0;
                const double cost = ComputeCallCost(start, start + CTimeSpan(length));
                ASSERT_GE(cost, std::max(0.0, minutes - 1))
                    << tz << " " << start.Format("%F %T") << " +" << length;
                ASSERT_LE(cost, 2 * (minutes + 1 + 3))
                    << tz << " " << start.Format("%F %T") << " +" << length;
            }
        }
    }
}

TEST(CostBoundsTest, NoPieceIsEverNegative) {
    struct Switches {
        unsigned dayHours, dayMinutes, nightHours, nightMinutes;
        bool rounding;
    };
    const Switches variants[] = {{6, 30, 11, 30, false}, {6, 30, 11, 30, true}, {0, 0, 11, 59, true},
                                 {6, 60, 12, 30, false}, {6, 30, 13, 0, true},  {24, 60, 0, 0, false},
                                 {3, 30, 11, 30, false}};
    for (const char* tz : {"UTC0", "Europe/Athens"}) {
        if (!TzGuard::ZoneAvailable(tz))
            continue;
        TzGuard zone(tz);
        for (const Switches& v : variants) {
            Settings = CSettings{};
            Settings.DayStartsHours = v.dayHours;
            Settings.DayStartsMinutes = v.dayMinutes;
            Settings.NightStartsHours = v.nightHours;
            Settings.NightStartsMinutes = v.nightMinutes;
            Settings.BreakIntervals = v.rounding;
            ExpectCostsWithinCallLength(tz);
        }
    }
}

class DaylightSavingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        if (!TzGuard::ZoneAvailable("Europe/Athens"))
            GTEST_SKIP() << "time zone Europe/Athens is not installed (tzdata)";
        m_zone.emplace("Europe/Athens");
    }
    std::optional<TzGuard> m_zone;
};

// Athens moves its clocks at 03:00 and 04:00; the charged time is the time that really passed.
TEST_F(DaylightSavingTest, ChargesElapsedTimeAcrossTheChange) {
    // Spring: the night of Saturday 30 March 2024 is an hour short.
    EXPECT_DOUBLE_EQ(ComputeCallCost(CTime(2024, 3, 31, 0, 0, 0), CTime(2024, 3, 31, 5, 0, 0)), 240.0);
    EXPECT_DOUBLE_EQ(ComputeCallCost(CTime(2024, 3, 30, 23, 45, 0), CTime(2024, 3, 31, 7, 0, 0)),
                     345.0 + 45.0);
    // Autumn: the night of Saturday 26 October 2024 is an hour long.
    EXPECT_DOUBLE_EQ(ComputeCallCost(CTime(2024, 10, 26, 23, 45, 0), CTime(2024, 10, 27, 7, 0, 0)),
                     465.0 + 45.0);
}

// With the day beginning at 3:30, the switch on the autumn night names a moment that happens twice;
// the C library may pick the earlier one, an hour before a call that starts in the repeated hour.
TEST_F(DaylightSavingTest, RepeatedSwitchTimeNeverLiesBeforeTheCall) {
    Settings.DayStartsHours = 3;
    const CTime secondHalfPast3(1729992600); // Sunday 27 October 2024 03:30:00, after the clocks went back
    (void)CTime(2024, 10, 27, 1, 0, 0); // leaves the library guessing summer time for the next conversion
    const double cost =
        ComputeCallCost(secondHalfPast3 + CTimeSpan(10), secondHalfPast3 + CTimeSpan(15 * 60));
    EXPECT_DOUBLE_EQ(cost, 15 * 1.5); // the switch minute begins the day, at the weekend day rate
}

} // namespace
