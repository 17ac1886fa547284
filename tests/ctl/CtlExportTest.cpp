#include "CtlProcess.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
// Two March calls as the window writes them (the loader reads the header and the call blocks).
std::string MarchLog() {
    const std::string rule(43, '-');
    return rule + "\r\n\t\tMarch Log\r\n" + rule + "\r\n\r\n" +
           "Start:\t06/03/24\t20:00:00\r\nEnd:\t06/03/24\t20:10:30\r\n\r\n" +
           "Start:\t09/03/24\t10:00:00\r\nEnd:\t09/03/24\t11:05:08\r\n\r\n" + rule +
           "\r\n\t\tMarch Totals\r\n" + rule;
}

TEST(CtlExportTest, PrintsTheMonthAsCsvOrJson) {
    CtlProcess ctl;
    ctl.WriteSettings("[Limits]\nMonthLimit=500.00\n");
    ctl.WriteCallLog(MarchLog());
    const CtlResult csv = ctl.Run({"calls", "--csv", "--now", "2024-03-10 12:00:00"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, "Start,End,Duration (seconds),Cost\r\n"
                       "2024-03-06T20:00:00,2024-03-06T20:10:30,630,21.00\r\n"
                       "2024-03-09T10:00:00,2024-03-09T11:05:08,3908,97.70\r\n");

    const CtlResult calls = ctl.Run({"calls", "--json", "--now", "2024-03-10 12:00:00"});
    EXPECT_EQ(calls.exitCode, 0) << calls.err;
    EXPECT_NE(
        calls.out.find("{\"start\": \"2024-03-06T20:00:00+00:00\", \"end\": \"2024-03-06T20:10:30+00:00\", "
                       "\"duration_seconds\": 630, \"cost\": 21.00}"),
        std::string::npos)
        << calls.out;
    EXPECT_NE(calls.out.find("\"count\": 2,\n  \"online_seconds\": 4538,\n  \"total_cost\": 118.70\n}\n"),
              std::string::npos)
        << calls.out;

    // 118.70 of 500 spent by the 10th: 381.30 left over 22 days.
    const CtlResult report = ctl.Run({"report", "--json", "--now", "2024-03-10 12:00:00"});
    EXPECT_EQ(report.exitCode, 0) << report.err;
    EXPECT_NE(
        report.out.find("\"spent\": 118.70,\n  \"projected\": 356.10,\n  \"month_limit\": 500.00,\n  "
                        "\"verdict\": \"well_within\",\n  \"pace\": {\"days_left\": 22, \"per_day\": 17.33, "
                        "\"over_limit\": false}\n}\n"),
        std::string::npos)
        << report.out;
}

TEST(CtlExportTest, FormatsGoOnlyWithTheirCommands) {
    CtlProcess ctl;
    const std::vector<std::vector<std::string>> cases = {
        {"report", "--csv"}, {"rate", "--json"}, {"calls", "--csv", "--json"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CtlResult result = ctl.Run(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}
} // namespace
