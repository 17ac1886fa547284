// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Time.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>

namespace {
std::tm DirectlyConverted(std::int64_t seconds) {
    std::tm fields{};
    const std::time_t t = static_cast<std::time_t>(seconds);
    localtime_r(&t, &fields);
    return fields;
}

std::int64_t DirectlyMade(const std::tm& local) {
    std::tm fields = local;
    fields.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&fields));
}
} // namespace

// The remembered date must answer exactly as the zone's rules do, over changes of daylight saving
// (whole hours, half hours, a skipped date) and after the zone itself changes.
TEST(LocalTimeTest, RememberedDatesAgreeWithTheZoneRules) {
    const struct {
        const char* zone;
        std::int64_t from; // a few days before a change of offset
    } cases[] = {
        {"Europe/Berlin", 1774656000},       // 2026-03-28, spring forward on the 29th
        {"Europe/Berlin", 1792627200},       // 2026-10-22, fall back on the 25th
        {"America/New_York", 1772928000},    // 2026-03-08
        {"Australia/Lord_Howe", 1775260800}, // 2026-04-04, half an hour back
        {"Pacific/Apia", 1325073600},        // 2011-12-28, the 30th was skipped
        {"UTC0", 1796083200},
    };
    for (const auto& c : cases) {
        if (!TzGuard::ZoneAvailable(c.zone))
            GTEST_SKIP() << c.zone << " is not installed (tzdata)";
        TzGuard zone(c.zone);
        for (std::int64_t t = c.from; t < c.from + 6 * 86400; t += 599) {
            SCOPED_TRACE(std::string(c.zone) + " at " + std::to_string(t));
            const std::tm expected = DirectlyConverted(t);
            const std::tm fields = CTime(t).GetLocalTm();
            ASSERT_EQ(std::tie(fields.tm_year, fields.tm_mon, fields.tm_mday, fields.tm_hour, fields.tm_min,
                               fields.tm_sec, fields.tm_wday, fields.tm_yday, fields.tm_isdst,
                               fields.tm_gmtoff),
                      std::tie(expected.tm_year, expected.tm_mon, expected.tm_mday, expected.tm_hour,
                               expected.tm_min, expected.tm_sec, expected.tm_wday, expected.tm_yday,
                               expected.tm_isdst, expected.tm_gmtoff));
            const CTime made(expected.tm_year + 1900, expected.tm_mon + 1, expected.tm_mday, expected.tm_hour,
                             expected.tm_min, expected.tm_sec);
            ASSERT_EQ(made.GetTime(), DirectlyMade(expected));
        }
    }
    // A date remembered in one zone is not used in another.
    std::int64_t berlinNoon = 0;
    {
        TzGuard zone("Europe/Berlin");
        berlinNoon = CTime(2026, 7, 1, 12, 0, 0).GetTime();
        EXPECT_EQ(CTime(berlinNoon).GetLocalTm().tm_hour, 12);
    }
    TzGuard zone("UTC0");
    EXPECT_EQ(CTime(berlinNoon).GetLocalTm().tm_hour, 10);
    EXPECT_EQ(CTime(2026, 7, 1, 12, 0, 0).GetTime(), berlinNoon + 7200);
}
