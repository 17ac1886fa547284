#include "CtlProcess.h"
#include "support/TzGuard.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr const char* kStart = "2024-03-06 06:00:00";
constexpr const char* kEnd = "2024-03-06 06:30:59";
constexpr const char* kNow = "2024-03-10 12:00:00";

TEST(CtlCommandLineTest, RejectsBadInputWithOneLineAndExitCode2) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"price", kStart},
        {"add"},
        {"price", "2024-03-06 06:00", kEnd},
        {"price", "2024-03-06T06:00:00", kEnd},
        {"price", " 2024-03-06 06:00:00", kEnd},
        {"price", "2024-13-06 06:00:00", kEnd},
        {"price", "2024-02-30 06:00:00", kEnd},
        {"rate", "2024-03-06 24:00:00"},
        {"rate", "2024-03-06 23:60:00"},
        {"price", kEnd, kStart},
        {"add", kEnd, kStart, "--now", kNow},
        {"price", "2024-03-06", "06:00:00", "2024-03-06", "06:30:59"},
        {"report", "--now", "yesterday"},
        {"report", "--now"},
        {"calls", "--bogus"},
        {"calls", "--raw"},
        {"price", kStart, kEnd, "--now", kNow},
    };
    CtlProcess ctl;
    for (const auto& args : cases) {
        std::string shown;
        for (const std::string& a : args)
            shown += "[" + a + "]";
        const CtlResult result = ctl.Run(args);
        EXPECT_EQ(result.exitCode, 2) << shown;
        EXPECT_EQ(result.out, "") << shown;
        EXPECT_EQ(result.err.rfind("corvellanctl: ", 0), 0u) << shown << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << shown << ": " << result.err;
    }
    EXPECT_FALSE(ctl.HasCallLog());
}

TEST(CtlCommandLineTest, RejectsATimeTheClockSkips) {
    if (!TzGuard::ZoneAvailable("Europe/Berlin"))
        GTEST_SKIP() << "no time zone data";
    CtlProcess ctl;
    ctl.SetTimeZone("Europe/Berlin");
    EXPECT_EQ(ctl.Run({"rate", "2024-03-31 02:30:00"}).exitCode, 2);
    EXPECT_EQ(ctl.Run({"rate", "2024-03-31 03:00:00"}).exitCode, 0);
}

TEST(CtlCommandLineTest, ShowsVersionAndHelp) {
    CtlProcess ctl;
    const CtlResult version = ctl.Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "corvellanctl 1.0\n");
    const CtlResult help = ctl.Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: corvellanctl", 0), 0u) << help.out;
    for (const char* command : {"price", "rate", "report", "calls", "add", "--now"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
}
} // namespace
