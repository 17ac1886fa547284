// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Tariff.h"

#include "support/FreshState.h"

namespace {
class TariffOptionsTest : public FreshStateTest {};

// Weekday 2 by day and 1.5 by night, weekend 1.5 and 1, day from 6:30, night from 11:30 PM, rounded
// to 3 minutes; the weekend days from Saturday to Sunday, Wednesday 17 July 2024. A call is priced
// by the date it starts on, holiday or not.
TEST_F(TariffOptionsTest, FeeMinimumWeekendDaysAndHolidaysPriceEveryCall) {
    const std::tuple<const char*, double, double, const char*, const char*, CTime, int, double> rows[] = {
        {"fee on top of the rounded time", 0.5, 0, "1000001", "", CTime(2024, 7, 17, 20, 0, 0), 240, 12.5},
        {"fee from the first second", 0.5, 0, "1000001", "", CTime(2024, 7, 17, 20, 0, 0), 0, 0.5},
        {"minimum above the cost, fee included", 0.5, 8, "1000001", "", CTime(2024, 7, 17, 20, 0, 0), 30, 8},
        {"minimum below the cost", 0.5, 8, "1000001", "", CTime(2024, 7, 17, 20, 0, 0), 600, 24.5},
        {"Friday of a Friday-Saturday weekend", 0, 0, "1100000", "", CTime(2024, 7, 19, 12, 0, 0), 600, 18},
        {"no weekend day at all", 0, 0, "", "", CTime(2024, 7, 20, 12, 0, 0), 600, 24},
        {"a holiday every year", 0, 0, "1000001", "07-17", CTime(2024, 7, 17, 12, 0, 0), 600, 18},
        {"a holiday of another year", 0, 0, "1000001", "2023-07-17", CTime(2024, 7, 17, 12, 0, 0), 600, 24},
        {"a holiday from midnight during a call", 0, 0, "1000001", "07-18", CTime(2024, 7, 17, 23, 0, 0),
         5400, 150},
        {"a holiday's call past midnight", 0, 0, "1000001", "07-17", CTime(2024, 7, 17, 23, 50, 0), 1800, 30},
        {"29 February in a common year", 0, 0, "1000001", "02-29", CTime(2023, 3, 1, 12, 0, 0), 600, 24},
        {"all at once", 0.5, 6, "", "12-25", CTime(2024, 12, 25, 12, 0, 0), 30, 6},
    };
    Settings.BreakIntervals = true;
    for (const auto& [name, fee, minimum, weekend, holidays, start, seconds, cost] : rows) {
        std::tie(Settings.CallFee, Settings.MinimumCharge) = std::tie(fee, minimum);
        Settings.WeekendDays = std::bitset<7>(weekend);
        Settings.Holidays = ParseHolidays(holidays).value();
        EXPECT_DOUBLE_EQ(ComputeCallCost(start, start + CTimeSpan(seconds)), cost) << name;
    }
}
} // namespace
