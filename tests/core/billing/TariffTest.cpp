// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Tariff.h"

#include "core/settings/Settings.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

enum Weekday { Mon, Tue, Wed, Thu, Fri, Sat, Sun };
struct Moment {
    int day, hour, minute, second; // day of the week of Monday 15 July 2024
};

// Default settings in a zone, skipped when the zone is not installed.
class ZonedTariff : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        Settings = CSettings{};
        if (!TzGuard::ZoneAvailable(GetParam()))
            GTEST_SKIP() << GetParam() << " is not installed (tzdata)";
        m_zone.emplace(GetParam());
    }
    CTime At(Moment m) const { return CTime(2024, 7, 15 + m.day, m.hour, m.minute, m.second); }
    std::optional<TzGuard> m_zone;
};

// Athens keeps daylight saving in July, and moves its clocks at 03:00 and 04:00 on the nights of
// Saturday 30 March and 26 October 2024.
class Athens : public ZonedTariff {};

INSTANTIATE_TEST_SUITE_P(Zones, ZonedTariff, ::testing::Values("UTC0", "Europe/Athens"));
INSTANTIATE_TEST_SUITE_P(DaylightSaving, Athens, ::testing::Values("Europe/Athens"));

TEST_P(ZonedTariff, CallCostWithoutAndWithRounding) {
    const struct {
        const char* name;
        Moment start, end;
        double withoutRounding, withRounding;
        unsigned intervals = 3;
    } rows[] = {
        // Weekday 2 by day and 1.5 by night, weekend 1.5 and 1, day from 6:30, night from 11:30 PM.
        {"DayWithSeconds", {Wed, 20, 0, 0}, {Wed, 20, 10, 30}, 21.0, 24.0},
        {"DayIntoNightDropsFirstSeconds", {Wed, 23, 0, 20}, {Wed, 23, 45, 10}, 80.75, 85.0},
        {"NightIntoDay", {Wed, 6, 0, 0}, {Wed, 6, 45, 0}, 75.0, 75.0},
        {"DayStartMinuteIsNight", {Wed, 6, 0, 0}, {Wed, 6, 30, 59}, 46.475, 49.5},
        {"StartInDayStartMinute", {Wed, 6, 30, 20}, {Wed, 6, 35, 0}, 10.0, 12.0},
        {"FridayNightIntoSaturday", {Fri, 23, 50, 0}, {Sat, 0, 20, 0}, 45.0, 45.0},
        // The evening part of the night reaches the day at the next date's day switch.
        {"EveningNightIntoDay", {Wed, 23, 45, 0}, {Thu, 7, 0, 0}, 667.5, 667.5},
        {"WholeMinutesRoundUp", {Wed, 20, 0, 0}, {Wed, 20, 10, 0}, 20.0, 24.0},
        {"OneSecondPastAnInterval", {Wed, 20, 0, 0}, {Wed, 20, 9, 1}, 18.0 + 2.0 / 60, 24.0},
        {"AWholeNumberOfIntervals", {Wed, 20, 0, 0}, {Wed, 20, 9, 0}, 18.0, 18.0},
        {"ZeroIntervalIsNoRounding", {Wed, 20, 0, 0}, {Wed, 20, 10, 30}, 21.0, 21.0, 0},
        {"EndBeforeStart", {Thu, 7, 0, 0}, {Wed, 23, 45, 0}, 0.0, 0.0}, // clock set back
        {"DayToNextDayIsOnePeriod", {Wed, 20, 0, 0}, {Thu, 8, 0, 0}, 1440.0, 1440.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Settings.Intervals = row.intervals;
        Settings.BreakIntervals = false;
        EXPECT_NEAR(ComputeCallCost(At(row.start), At(row.end)), row.withoutRounding, 1e-9);
        Settings.BreakIntervals = true;
        EXPECT_NEAR(ComputeCallCost(At(row.start), At(row.end)), row.withRounding, 1e-9);
    }
}

TEST_P(ZonedTariff, RateInForce) {
    Settings = {.WeekdayDayRate = 4, .WeekdayNightRate = 3, .WeekendDayRate = 2, .WeekendNightRate = 1};
    const std::pair<Moment, double> rows[] = {
        {{Mon, 6, 30, 30}, 3},  {{Mon, 6, 31, 0}, 4}, {{Sun, 23, 30, 0}, 1},
        {{Wed, 23, 29, 59}, 4}, {{Sat, 6, 31, 0}, 2},
    };
    for (const auto& [at, rate] : rows)
        EXPECT_EQ(GetRateAt(At(at)), rate) << "day " << at.day << " " << At(at).Format("%T");
}

TEST_P(Athens, ChargesTheTimeThatPassedAcrossAClockChange) {
    // Weekend night at 1 until the day at 1.5 begins at 6:30; the spring night is an hour short.
    EXPECT_DOUBLE_EQ(ComputeCallCost(CTime(2024, 3, 30, 23, 45, 0), CTime(2024, 3, 31, 7, 0, 0)),
                     345.0 + 45.0);
    EXPECT_DOUBLE_EQ(ComputeCallCost(CTime(2024, 10, 26, 23, 45, 0), CTime(2024, 10, 27, 7, 0, 0)),
                     465.0 + 45.0);
}

// Calls every 97 seconds over both nights of a clock change, under ordinary and odd switch times: no
// piece of a call may run backwards, so the cost stays between the call's length at the cheapest rate
// (1) and at the dearest (2), give or take a minute and one interval.
TEST_P(Athens, NoPieceOfACallRunsBackwards) {
    const unsigned variants[][5] = {{6, 30, 11, 30, 0}, {6, 30, 11, 30, 1}, {0, 0, 11, 59, 1},
                                    {6, 60, 12, 30, 0}, {6, 30, 13, 0, 1},  {24, 60, 0, 0, 0},
                                    {3, 30, 11, 30, 0}};
    for (const auto& v : variants) {
        std::tie(Settings.DayStartsHours, Settings.DayStartsMinutes, Settings.NightStartsHours,
                 Settings.NightStartsMinutes) = std::tie(v[0], v[1], v[2], v[3]);
        Settings.BreakIntervals = v[4] != 0;
        for (const CTime first : {CTime(2024, 3, 30, 12, 0, 7), CTime(2024, 10, 26, 12, 0, 7)})
            for (long long offset = 0; offset < 86400; offset += 97)
                for (long long length :
                     {0LL, 59LL, 61LL, 1800LL, 4 * 3600LL, 7 * 3600 + 15 * 60LL, 86400LL}) {
                    const CTime start = first + CTimeSpan(offset);
                    const double minutes = length / 60.0;
                    const double cost = ComputeCallCost(start, start + CTimeSpan(length));
                    ASSERT_TRUE(cost >= std::max(0.0, minutes - 1) && cost <= 2 * (minutes + 1 + 3))
                        << "day " << v[0] << ":" << v[1] << ", night " << v[2] << ":" << v[3] << ", "
                        << start.Format("%F %T") << " +" << length << " s costs " << cost;
                }
    }
}

} // namespace
