#include "CtlProcess.h"

#include <gtest/gtest.h>

namespace {
constexpr const char* kRoundingOn = "[Billing]\nBreakIntervals=1\nIntervals=3\n";

struct PriceCase {
    const char* start;
    const char* end;
    bool rounding;
    const char* raw;
};

// The default tariff: weekdays 2 by day and 1.5 by night, weekends 1.5 and 1, day from 06:30,
// night from 23:30. 6 March 2024 is a Wednesday.
TEST(CtlPriceTest, PricesTheTariffTableUnrounded) {
    const PriceCase cases[] = {
        {"2024-03-06 20:00:00", "2024-03-06 20:10:30", false, "21"},
        {"2024-03-06 20:00:00", "2024-03-06 20:10:30", true, "24"},
        {"2024-03-06 23:00:00", "2024-03-06 23:45:00", false, "82.5"},
        {"2024-03-06 23:00:20", "2024-03-06 23:45:00", false, "80.5"},
        {"2024-03-06 23:00:20", "2024-03-06 23:45:10", true, "85"},
        {"2024-03-06 06:00:00", "2024-03-06 06:45:00", false, "75"},
        {"2024-03-06 06:00:00", "2024-03-06 06:30:59", false, "46.475"},
        {"2024-03-06 06:00:00", "2024-03-06 06:30:59", true, "49.5"},
        {"2024-03-06 06:30:20", "2024-03-06 06:35:00", false, "10"},
        {"2024-03-06 06:30:20", "2024-03-06 06:35:00", true, "12"},
        {"2024-03-08 23:50:00", "2024-03-09 00:20:00", false, "45"},
        {"2024-03-06 22:00:00", "2024-03-07 01:00:00", false, "315"},
        {"2024-03-09 10:00:00", "2024-03-09 10:20:00", false, "30"},
        {"2024-03-09 10:00:00", "2024-03-09 10:20:00", true, "31.5"},
        {"2024-03-06 23:29:59", "2024-03-06 23:30:00", false, "0"},
    };
    CtlProcess plain;
    CtlProcess rounding;
    rounding.WriteSettings(kRoundingOn);
    for (const PriceCase& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " to " + c.end + (c.rounding ? ", rounding on" : ""));
        const CtlResult result = (c.rounding ? rounding : plain).Run({"price", c.start, c.end, "--raw"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, std::string(c.raw) + "\n");
        EXPECT_EQ(result.err, "");
    }
}

TEST(CtlPriceTest, ShowsTheAmountAsTheWindowDoes) {
    CtlProcess ctl;
    EXPECT_EQ(ctl.Run({"price", "2024-03-06 06:00:00", "2024-03-06 06:30:59"}).out, "46.48\n");
    if (!LocaleInstalled("en_US.UTF-8"))
        GTEST_SKIP() << "en_US.UTF-8 is not installed";
    ctl.SetLocale("en_US.UTF-8");
    EXPECT_EQ(ctl.Run({"price", "2024-03-06 06:00:00", "2024-03-06 06:30:59"}).out, "$46.48\n");
    EXPECT_EQ(ctl.Run({"price", "2024-03-06 06:00:00", "2024-03-06 06:30:59", "--raw"}).out, "46.475\n");
}

TEST(CtlPriceTest, RawAmountsKeepThePointInACommaLocale) {
    if (!LocaleInstalled("de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    CtlProcess ctl;
    ctl.SetLocale("de_DE.UTF-8");
    EXPECT_EQ(ctl.Run({"price", "2024-03-06 06:00:00", "2024-03-06 06:30:59", "--raw"}).out, "46.475\n");
}

TEST(CtlRateTest, NamesTheRateAndPeriodAtTheEdges) {
    const struct {
        const char* at;
        const char* line;
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
        EXPECT_EQ(result.out, c.line) << c.at;
        EXPECT_EQ(result.exitCode, 0) << c.at;
    }
    // Without AT the rate is that of now, which --now sets.
    EXPECT_EQ(ctl.Run({"rate", "--now", "2024-03-10 23:30:00"}).out, "1.00 / min\tnight\tweekend\n");
}

} // namespace
