#include "core/platform/Time.h"
#include "core/platform/Paths.h"

#include "support/TzGuard.h"

#include <gtest/gtest.h>

namespace {
// Local fields follow the zone's daylight saving rules; fields out of range roll over.
TEST(TimeTest, NormalisesFieldsAndAppliesLocalDaylightSaving) {
    if (!TzGuard::ZoneAvailable("Europe/Athens"))
        GTEST_SKIP() << "time zone data for Europe/Athens is not installed";
    TzGuard tz("Europe/Athens");
    EXPECT_EQ(CTime(2026, 7, 1, 12, 0, 0).GetHour(), 12);
    EXPECT_EQ(CTime(2026, 1, 1, 12, 0, 0).GetHour(), 12);
    EXPECT_EQ(CTime(2026, 3, 31, 24, 60, 0).Format("%Y-%m-%d %H:%M"), "2026-04-01 01:00");
}

// The XDG rules: a relative directory in these variables is ignored.
TEST(PathsTest, FollowsXdgDirectoriesAndIgnoresRelativeOnes) {
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    ::setenv("HOME", "/home/someone", 1);
    const Paths paths = Paths::FromEnvironment();
    EXPECT_EQ(paths.SettingsFile(), "/tmp/cfg/Corvellan.ini");
    EXPECT_EQ(paths.CallLogFile(), "/home/someone/.local/share/corvellan/Calls.log");
}
} // namespace
