#include "CtlProcess.h"
#include "support/TzGuard.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr const char* kStart = "2024-03-06 06:00:00";
constexpr const char* kEnd = "2024-03-06 06:30:59";

// The default tariff: weekdays 2 by day and 1.5 by night, weekends 1.5 and 1, day from 06:30,
// night from 23:30. 6 March 2024 is a Wednesday.
TEST(CtlPriceTest, PricesTheTariffTableRawWithAndWithoutRounding) {
    const struct {
        const char *start, *end, *raw, *rounded;
    } cases[] = {
        {"2024-03-06 20:00:00", "2024-03-06 20:10:30", "21", "24"},
        {"2024-03-06 23:00:00", "2024-03-06 23:45:00", "82.5", "82.5"},
        {"2024-03-06 23:00:20", "2024-03-06 23:45:00", "80.5", "80.5"},
        {"2024-03-06 23:00:20", "2024-03-06 23:45:10", "80.75", "85"},
        {"2024-03-06 06:00:00", "2024-03-06 06:45:00", "75", "75"},
        {"2024-03-06 06:00:00", "2024-03-06 06:30:59", "46.475", "49.5"},
        {"2024-03-06 06:30:20", "2024-03-06 06:35:00", "10", "12"},
        {"2024-03-08 23:50:00", "2024-03-09 00:20:00", "45", "45"},
        {"2024-03-06 22:00:00", "2024-03-07 01:00:00", "315", "315"},
        {"2024-03-09 10:00:00", "2024-03-09 10:20:00", "30", "31.5"},
        {"2024-03-06 23:29:59", "2024-03-06 23:30:00", "0", "0"},
    };
    CtlProcess plain, rounding;
    rounding.WriteSettings("[Billing]\nBreakIntervals=1\nIntervals=3\n");
    for (const auto& c : cases) {
        for (const bool rounded : {false, true}) {
            SCOPED_TRACE(std::string(c.start) + " to " + c.end + (rounded ? ", rounded" : ""));
            const CtlResult result = (rounded ? rounding : plain).Run({"price", c.start, c.end, "--raw"});
            EXPECT_EQ(result.exitCode, 0);
            EXPECT_EQ(result.out, std::string(rounded ? c.rounded : c.raw) + "\n");
            EXPECT_EQ(result.err, "");
        }
    }
}

// Shown amounts carry the locale's currency symbol; raw ones keep the point in a comma locale.
TEST(CtlPriceTest, FollowsTheLocaleExceptWhenRaw) {
    if (!LocaleInstalled("en_US.UTF-8") || !LocaleInstalled("de_DE.UTF-8"))
        GTEST_SKIP() << "en_US.UTF-8 or de_DE.UTF-8 is not installed";
    CtlProcess ctl;
    ctl.SetLocale("en_US.UTF-8");
    EXPECT_EQ(ctl.Run({"price", kStart, kEnd}).out, "$46.48\n");
    ctl.SetLocale("de_DE.UTF-8");
    EXPECT_EQ(ctl.Run({"price", kStart, kEnd, "--raw"}).out, "46.475\n");
}

TEST(CtlRateTest, NamesTheRateAndPeriodAtTheEdges) {
    const struct {
        const char *at, *line;
    } cases[] = {
        {"2024-03-06 06:30:59", "1.50 / min\tnight\tweekday\n"},
        {"2024-03-06 06:31:00", "2.00 / min\tday\tweekday\n"},
        {"2024-03-06 23:29:59", "2.00 / min\tday\tweekday\n"},
        {"2024-03-06 23:30:00", "1.50 / min\tnight\tweekday\n"},
        {"2024-03-09 12:00:00", "1.50 / min\tday\tweekend\n"},
        {"2024-03-10 23:30:00", "1.00 / min\tnight\tweekend\n"},
        {"2024-03-11 00:00:00", "1.50 / min\tnight\tweekday\n"},
    };
    CtlProcess ctl;
    for (const auto& c : cases) {
        const CtlResult result = ctl.Run({"rate", c.at});
        EXPECT_EQ(result.exitCode, 0) << c.at;
        EXPECT_EQ(result.out, c.line) << c.at;
    }
    // Without AT the rate is that of now, which --now sets.
    EXPECT_EQ(ctl.Run({"rate", "--now", "2024-03-10 23:30:00"}).out, "1.00 / min\tnight\tweekend\n");
}

// Unknown or incomplete commands, misplaced options, a time split in two, END before START, and
// times that cannot be read.
TEST(CtlCommandLineTest, RejectsBadInputWithOneLineAndExitCode2) {
    std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"price", kStart},
        {"add"},
        {"report", "--now"},
        {"calls", "--bogus"},
        {"calls", "--raw"},
        {"price", kStart, kEnd, "--now", kEnd},
        {"price", "2024-03-06", "06:00:00", "2024-03-06", "06:30:59"},
        {"price", kEnd, kStart},
        {"add", kEnd, kStart, "--now", "2024-03-10 12:00:00"},
        {"report", "--now", "yesterday"},
    };
    for (const char* time :
         {"2024-03-06 06:00", "2024-03-06T06:00:00", " 2024-03-06 06:00:00", "2024-13-06 06:00:00",
          "2024-02-30 06:00:00", "2024-03-06 24:00:00", "2024-03-06 23:60:00"})
        cases.push_back({"price", time, kEnd});
    CtlProcess ctl;
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CtlResult result = ctl.Run(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("corvellanctl: ", 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(ctl.DataDir()));
}

TEST(CtlCommandLineTest, RejectsATimeTheClockSkips) {
    if (!TzGuard::ZoneAvailable("Europe/Berlin"))
        GTEST_SKIP() << "no time zone data";
    CtlProcess ctl;
    ctl.SetTimeZone("Europe/Berlin");
    EXPECT_EQ(ctl.Run({"rate", "2024-03-31 02:30:00"}).exitCode, 2);
    EXPECT_EQ(ctl.Run({"rate", "2024-03-31 03:00:00"}).exitCode, 0);
}
} // namespace
