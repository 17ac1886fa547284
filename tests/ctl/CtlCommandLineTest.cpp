#include "CtlProcess.h"
#include "support/TzGuard.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr const char* kStart = "2024-03-06 06:00:00";
constexpr const char* kEnd = "2024-03-06 06:30:59";

// price and rate under the settings file and the locale; the tariff itself is tested in the core.
// 6 March 2024 is a Wednesday; the default tariff's day begins after 06:30.
TEST(CtlPriceTest, PricesAndRatesUnderTheSettingsAndTheLocale) {
    const struct {
        const char *ini, *locale;
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {"[Billing]\nBreakIntervals=1\nIntervals=3\n", "C.UTF-8", {"price", kStart, kEnd, "--raw"}, "49.5\n"},
        {"", "en_US.UTF-8", {"price", kStart, kEnd}, "$46.48\n"},
        {"", "de_DE.UTF-8", {"price", kStart, kEnd, "--raw"}, "46.475\n"},
        {"", "C.UTF-8", {"rate", "--now", "2024-03-10 23:30:00"}, "1.00 / min\tnight\tweekend\n"},
    };
    for (const auto& c : cases) {
        if (!LocaleInstalled(c.locale))
            continue;
        CtlProcess ctl;
        ctl.SetLocale(c.locale);
        ctl.WriteSettings(c.ini);
        const CtlResult result = ctl.Run(c.args);
        EXPECT_EQ(result.out + result.err, c.out) << c.locale;
        EXPECT_EQ(result.exitCode, 0);
    }
}

// An unknown command, options where they do not belong, a time split in two, END before START, a
// date that does not exist and a time that the clock skips: one line each, and exit status 2.
TEST(CtlCommandLineTest, RejectsBadInputWithOneLineAndExitCode2) {
    std::vector<std::vector<std::string>> cases = {
        {"frobnicate"},
        {"calls", "--raw"},
        {"report", "--csv"},
        {"rate", "--json"},
        {"calls", "--csv", "--json"},
        {"price", "2024-03-06", "06:00:00", "2024-03-06", "06:30:59"},
        {"price", kEnd, kStart},
        {"price", "2024-02-30 06:00:00", kEnd}};
    CtlProcess ctl;
    if (TzGuard::ZoneAvailable("Europe/Berlin")) {
        ctl.SetTimeZone("Europe/Berlin");
        cases.push_back({"rate", "2024-03-31 02:30:00"}); // the clocks go from 02:00 to 03:00
    }
    for (const auto& args : cases) {
        const CtlResult result = ctl.Run(args);
        EXPECT_EQ(result.exitCode, 2) << args[0];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("corvellanctl: ", 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}
} // namespace
