// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/BillingPeriod.h"
#include "core/platform/Translate.h"

#include "support/TzGuard.h"

#include <gtest/gtest.h>

namespace {
// A row: the start day, a local moment, the first and last day of the period that holds it, its
// number of days and the day of the period the moment falls on. In Berlin (UTC where its rules are
// not installed), whose clocks go forward on 29 March 2026 and back on 25 October 2026.
TEST(BillingPeriodTest, RunsFromItsStartDayToTheDayBeforeTheNextOne) {
    const TzGuard tz(TzGuard::ZoneAvailable("Europe/Berlin") ? "Europe/Berlin" : "UTC0");
    const struct {
        unsigned startDay;
        CTime at;
        const char *first, *last;
        int days, day;
    } rows[] = {
        {1, CTime(2024, 2, 29, 23, 59, 59), "2024-02-01", "2024-02-29", 29, 29},
        {15, CTime(2026, 11, 14, 23, 59, 59), "2026-10-15", "2026-11-14", 31, 31},
        {15, CTime(2026, 11, 15, 0, 0, 0), "2026-11-15", "2026-12-14", 30, 1},
        {15, CTime(2027, 1, 3, 12, 0, 0), "2026-12-15", "2027-01-14", 31, 20}, // the year's turn
        {29, CTime(2023, 2, 28, 12, 0, 0), "2023-02-28", "2023-03-28", 29, 1}, // a common February
        {29, CTime(2024, 2, 29, 12, 0, 0), "2024-02-29", "2024-03-28", 29, 1}, // a leap one
        {30, CTime(2024, 3, 1, 12, 0, 0), "2024-02-29", "2024-03-29", 30, 2},
        {31, CTime(2023, 1, 31, 12, 0, 0), "2023-01-31", "2023-02-27", 28, 1},
        {31, CTime(2024, 4, 30, 12, 0, 0), "2024-04-30", "2024-05-30", 31, 1},
        {29, CTime(2026, 3, 29, 3, 30, 0), "2026-03-29", "2026-04-28", 31, 1},  // a day of 23 hours
        {25, CTime(2026, 10, 25, 2, 30, 0), "2026-10-25", "2026-11-24", 31, 1}, // and one of 25
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.startDay) + ", " + row.at.Format("%F %T"));
        const CBillingPeriod period = CBillingPeriod::Of(row.at, row.startDay);
        EXPECT_EQ(std::tuple(period.FirstDate(), period.LastDate(), period.Days(), period.DayIndex(row.at)),
                  std::tuple(row.first, row.last, row.days, row.day));
        EXPECT_TRUE(period.Contains(period.Start()) && period.Contains(period.LastMoment()));
        EXPECT_FALSE(period.Contains(period.Start() - CTimeSpan(1)) ||
                     period.Contains(period.LastMoment() + CTimeSpan(1)));
        EXPECT_TRUE(period.Next().Previous() == period &&
                    period.Next().Start() == period.LastMoment() + CTimeSpan(1));
        EXPECT_TRUE(period.EndedBy(period.Next().Start()) && !period.EndedBy(period.LastMoment()));
    }
    EXPECT_EQ(CBillingPeriod::Of(CTime(2024, 2, 10, 12, 0, 0), 1).Title() + ", " +
                  CBillingPeriod::Of(CTime(2027, 1, 3, 12, 0, 0), 15).Title(),
              "February 2024, 15 December to 14 January 2027");
}

// A language may write the first of a month its own way (French: "1er"): the day is its text's count.
TEST(BillingPeriodTest, TheDayIsTheCountOfItsText) {
    SetTranslation([](const char*, const char* text, const char*, int n) {
        return std::string(text) == "%n %1" && n == 1 ? std::string("%ner %1") : std::string(text);
    });
    const std::string range = CBillingPeriod::Of(CTime(2026, 11, 20, 12, 0, 0), 2).RangeText();
    SetTranslation({});
    EXPECT_EQ(range, "2 November to 1er December");
}
} // namespace
