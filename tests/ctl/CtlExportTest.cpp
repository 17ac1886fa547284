#include "CtlProcess.h"

#include <gtest/gtest.h>

namespace {
// The texts themselves are the core's; here only which one each option prints, and where they do not go.
TEST(CtlExportTest, PrintsCsvOrJsonOnlyWhereAsked) {
    CtlProcess ctl;
    const std::string rule(43, '-');
    ctl.WriteCallLog(
        rule + "\r\n\t\tMarch Log\r\n" + rule + "\r\n\r\nStart:\t06/03/24\t20:00:00\r\nEnd:\t06/03/24\t" +
        "20:10:30\r\n\r\n" + rule + "\r\n\t\tMarch Totals\r\n" + rule +
        "\r\nNumber of calls made:\t1\r\nTotal online time:\t0:10:30\r\nCost of all calls:\t21.00"
        "\r\n\r\nMonth limit for March you have set:0.00\r\nStatus:\tWARNING ! You have spent more "
        "time online this month than you have intended to.\r\n" +
        rule);
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* starts;
    } cases[] = {
        {{"calls", "--csv"},
         0,
         "Start,End,Duration (seconds),Cost\r\n2024-03-06T20:00:00,2024-03-06T20:10:30,630,21.00\r\n"},
        {{"calls", "--json"}, 0, "{\n  \"calls\": [\n    {\"start\": \"2024-03-06T20:00:00+00:00\""},
        {{"report", "--json"}, 0, "{\n  \"month\": \"March\",\n  \"now\": \"2024-03-10T12:00:00+00:00\""},
        {{"report", "--csv"}, 2, ""},
        {{"rate", "--json"}, 2, ""},
        {{"calls", "--csv", "--json"}, 2, ""},
    };
    for (auto c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        c.args.insert(c.args.end(), {"--now", "2024-03-10 12:00:00"});
        const CtlResult result = ctl.Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out.substr(0, std::string(c.starts).size()), c.starts);
    }
}
} // namespace
