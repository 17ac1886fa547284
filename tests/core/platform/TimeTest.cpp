#include "core/platform/Time.h"
#include "core/platform/Paths.h"

#include "support/TzGuard.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {
struct SpanCase {
    std::int64_t seconds;
    std::int64_t totalHours;
    int minutes;
    int seconds_;
    const char* minSec;
};

TEST(TimeSpanTest, SplitsFieldsByTruncatingDivision) {
    const SpanCase cases[] = {{3725, 1, 2, 5, "02:05"},
                              {90000, 25, 0, 0, "00:00"},
                              {2527, 0, 42, 7, "42:07"},
                              {94 * 3600 + 5 * 60 + 9, 94, 5, 9, "05:09"},
                              {0, 0, 0, 0, "00:00"}};
    for (const SpanCase& c : cases) {
        const CTimeSpan span(c.seconds);
        EXPECT_EQ(span.GetTotalHours(), c.totalHours) << c.seconds;
        EXPECT_EQ(span.GetMinutes(), c.minutes) << c.seconds;
        EXPECT_EQ(span.GetSeconds(), c.seconds_) << c.seconds;
        EXPECT_EQ(span.Format("%M:%S"), c.minSec) << c.seconds;
    }
}

TEST(TimeTest, BreaksDownAndFormatsInLocalTime) {
    TzGuard tz("UTC0");
    const CTime t(1997, 12, 5, 21, 3, 7);
    EXPECT_EQ(t.GetTime(), 881355787);
    EXPECT_EQ(t.Format("%d/%m/%y\t%H:%M:%S"), "05/12/97\t21:03:07");
    EXPECT_EQ(t.Format("%B"), "December");
    EXPECT_EQ(t.GetDayOfWeek(), 6) << "5 December 1997 was a Friday";
    EXPECT_EQ(CTime(2039, 1, 1, 0, 0, 0).GetYear(), 2039) << "no 2038 limit";
}

TEST(TimeTest, NormalisesFieldsAndAppliesLocalDaylightSaving) {
    if (!TzGuard::ZoneAvailable("Europe/Athens"))
        GTEST_SKIP() << "time zone data for Europe/Athens is not installed";
    TzGuard tz("Europe/Athens");
    const CTime summer(2026, 7, 1, 12, 0, 0);
    const CTime winter(2026, 1, 1, 12, 0, 0);
    EXPECT_EQ(summer.GetHour(), 12);
    EXPECT_EQ(winter.GetHour(), 12);
    const CTime overflow(2026, 3, 31, 24, 60, 0);
    EXPECT_EQ(overflow.Format("%Y-%m-%d %H:%M"), "2026-04-01 01:00");
}

TEST(PathsTest, FollowsXdgDirectoriesAndIgnoresRelativeOnes) {
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    const std::string savedData = oldData ? oldData : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    ::setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
    const Paths paths = Paths::FromEnvironment();
    EXPECT_EQ(paths.SettingsFile(), "/tmp/cfg/Corvellan.ini");
    EXPECT_EQ(paths.CallLogFile(), std::string(std::getenv("HOME")) + "/.local/share/corvellan/Calls.log");
    oldConfig ? ::setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    oldData ? ::setenv("XDG_DATA_HOME", savedData.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

} // namespace
