#include "CtlProcess.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
// A Calls.log as the window writes it, for the month of March, with the given blocks.
std::string MarchLog(const std::string& blocks) {
    return "-------------------------------------------\r\n\t\tMarch Log\r\n"
           "-------------------------------------------\r\n\r\n" +
           blocks +
           "-------------------------------------------\r\n\t\tMarch Totals\r\n"
           "-------------------------------------------\r\nNumber of calls made:\t0\r\n"
           "Total online time:\t0:0:0\r\nCost of all calls:\t0.00\r\n\r\n"
           "Month limit for March you have set:0.00\r\nStatus:\tOK ! You are below your month limit.\r\n"
           "-------------------------------------------";
}

std::string Block(const char* start, const char* end) {
    return std::string("Start:\t") + start + "\r\nEnd:\t" + end + "\r\n\r\n";
}

constexpr const char* kCorruptMessage =
    "ERROR: For some reason the call log file is corrupt. Information about "
    "the calls you have made this month will not be available.\n";

// Every minute costs 1, so the projection is easy to follow; the month limit is 100.
class CtlReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_ctl.WriteSettings("[Billing]\nWeekdayDayRate=1.00\nWeekdayNightRate=1.00\nWeekendDayRate=1.00\n"
                            "WeekendNightRate=1.00\n[Limits]\nMonthLimit=100.00\n");
    }
    // One call of the given minutes on 1 March, and the report on the given day.
    CtlResult Report(int minutes, int day) {
        char end[32];
        std::snprintf(end, sizeof end, "01/03/24\t12:%02d:00", minutes);
        m_ctl.WriteCallLog(MarchLog(Block("01/03/24\t12:00:00", end)));
        char now[32];
        std::snprintf(now, sizeof now, "2024-03-%02d 18:00:00", day);
        return m_ctl.Run({"report", "--now", now});
    }

    CtlProcess m_ctl;
};

TEST_F(CtlReportTest, PrintsTheReportWithPlainLineBreaks) {
    const CtlResult result = Report(9, 3);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "- Brief report for March :\n"
              "You have made 1 call(s) during the first 3 days of this month.\n"
              "You have spent a total of 0 hours, 9 minutes and 0 seconds, for which you will pay 9.00\n"
              "\n"
              "If you go on using the Net in the same way you have done so far, you will end up with "
              "a telephone bill somewhere about 90.00 , which is just under the month limit that you "
              "have set (100.00)\n"
              "\n"
              "\n"
              "You shouldn't have any worries so far !\n");
}

TEST_F(CtlReportTest, GivesEachVerdict) {
    const struct {
        int minutes;
        int day;
        const char* verdict;
    } cases[] = {
        {10, 10, "somewhere about 30.00 , which is well within the month limit"},
        {9, 3, "somewhere about 90.00 , which is just under the month limit"},
        {10, 3, "somewhere about 100.00 , which is exactly as much as the month limit"},
        {12, 3,
         "somewhere about 120.00 , which is just above the month limit that you have set (100.00)\n"
         "You shouldn't have any serious worries so far !\n"},
        {20, 3,
         "somewhere about 200.00 , which is WAY ABOVE the month limit that you have set (100.00)\n"
         "I suggest you IMMEDIATELY"},
    };
    for (const auto& c : cases) {
        const CtlResult result = Report(c.minutes, c.day);
        EXPECT_NE(result.out.find(c.verdict), std::string::npos) << c.minutes << " by day " << c.day << ":\n"
                                                                 << result.out;
    }
}

TEST(CtlCallsTest, ListsTheMonthAsTheCallLogPageDoes) {
    CtlProcess ctl;
    ctl.WriteCallLog(MarchLog(Block("06/03/24\t20:00:00", "06/03/24\t20:10:30") +
                              Block("06/03/24\t23:00:00", "06/03/24\t23:45:00") +
                              Block("09/03/24\t10:00:00", "09/03/24\t11:05:08")));
    const CtlResult result = ctl.Run({"calls", "--now", "2024-03-10 12:00:00"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "03/06/24 20:00:00\t00:10:30\t21.00\n"
                          "03/06/24 23:00:00\t00:45:00\t82.50\n"
                          "03/09/24 10:00:00\t1:05:08\t97.70\n"
                          "Total calls made:\t3\n"
                          "Time spent online:\t2:00:38\n"
                          "Total cost:\t201.20\n");
}

TEST(CtlCallsTest, ReadingCreatesNoFile) {
    CtlProcess ctl;
    for (const char* command : {"calls", "report", "rate"})
        EXPECT_EQ(ctl.Run({command}).exitCode, 0) << command;
    std::error_code ec;
    EXPECT_FALSE(std::filesystem::exists(ctl.DataDir(), ec));
    EXPECT_FALSE(std::filesystem::exists(ctl.ConfigDir() + "Corvellan.ini", ec));
}

TEST(CtlCallsTest, ABrokenLogIsReportedAndWhatWasReadIsStillShown) {
    CtlProcess ctl;
    ctl.WriteCallLog("not a call log");
    const CtlResult calls = ctl.Run({"calls", "--now", "2024-03-10 12:00:00"});
    EXPECT_EQ(calls.exitCode, 1);
    EXPECT_EQ(calls.err, kCorruptMessage);
    EXPECT_EQ(calls.out, "Total calls made:\t0\nTime spent online:\t00:00:00\nTotal cost:\t0.00\n");
    const CtlResult report = ctl.Run({"report", "--now", "2024-03-10 12:00:00"});
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_EQ(report.err, kCorruptMessage);
    EXPECT_NE(report.out.find("You have made 0 call(s)"), std::string::npos) << report.out;
    EXPECT_EQ(ctl.CallLog(), "not a call log");
}
} // namespace
