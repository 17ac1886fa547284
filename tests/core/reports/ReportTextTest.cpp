#include "ReportFixture.h"

#include "core/reports/CallListText.h"
#include "core/reports/ReportText.h"

namespace {
TEST_F(ReportTextTest, WritesTheWholeReport) {
    EXPECT_EQ(
        BuildReportText(Calls({30 * 60, 12 * 60 + 7}), CTime(2024, 3, 12, 18, 0, 0), 100),
        "- Brief report for March :\r\n"
        "You have made 2 call(s) during the first 12 days of this month.\r\n"
        "You have spent a total of 0 hours, 42 minutes and 7 seconds, for which you will pay $42.12\r\n"
        "\r\n"
        "If you go on using the Net in the same way you have done so far, you will end up with a "
        "telephone bill somewhere about $105.29 , which is just above the month limit that you have set "
        "($100.00)\r\n"
        "You shouldn't have any serious worries so far !");
    EXPECT_NE(BuildReportText(Calls({100 * 3600}), CTime(2024, 3, 31, 18, 0, 0), 1e6)
                  .find("a total of 100 hours, 0 minutes and 0 seconds"),
              std::string::npos);
}

// The month's cost so far is projected onto 30 days and judged against the limit.
TEST_F(ReportTextTest, JudgesTheProjectionAgainstTheLimit) {
    const std::string calm = ")\r\n\r\n\r\nYou shouldn't have any worries so far !";
    const std::string serious = ")\r\nYou shouldn't have any serious worries so far !";
    const std::string fat =
        ")\r\nI suggest you IMMEDIATELY reconsider and optimize the time you spend online, "
        "otherwise be prepared for a FAT telephone bill !";
    const struct {
        std::int64_t seconds; // of the one call, or no call at all for 0
        int day;
        double limit;
        const char* verdict;
        std::string advice;
    } cases[] = {
        {10 * 60, 10, 100, "$30.00 , which is well within", calm},
        {9 * 60, 3, 100, "$90.00 , which is just under", calm},
        {10 * 60, 3, 100, "$100.00 , which is exactly as much as", calm},
        {12 * 60, 3, 100, "$120.00 , which is just above", serious},
        {20 * 60, 3, 100, "$200.00 , which is WAY ABOVE", fat},
        {2 * 60, 1, 100, "$60.00 , which is well within", calm}, // on the 1st: 30 times the cost
        {0, 15, 0, "$0.00 , which is exactly as much as", calm},
        {60, 30, 0, "$1.00 , which is WAY ABOVE", fat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.seconds) + " s by day " + std::to_string(c.day));
        const std::string text = BuildReportText(c.seconds ? Calls({c.seconds}) : Calls({}),
                                                 CTime(2024, 3, c.day, 18, 0, 0), c.limit);
        EXPECT_EQ(text.substr(text.find("somewhere about ") + 16),
                  c.verdict + std::string(" the month limit that you have set (") +
                      (c.limit ? "$100.00" : "$0.00") + c.advice);
    }
}

// What may still be spent each day to end the month within its limit, today included.
TEST_F(ReportTextTest, PaceSharesWhatIsLeftOverTheDaysLeft) {
    const std::string allowance = "To stay within your month limit you can spend $";
    const struct {
        std::int64_t minutes; // spent, at 1 a minute
        CTime now;
        double limit;
        std::string pace;
    } cases[] = {
        {40, CTime(2024, 3, 10, 18, 0, 0), 100, allowance + "2.72 a day for the rest of the month"},
        {0, CTime(2024, 3, 29, 9, 0, 0), 2,
         allowance + "0.66 a day for the rest of the month"}, // rounded down
        {0, CTime(2024, 3, 29, 9, 0, 0), 0.87, allowance + "0.29 a day for the rest of the month"},
        {0, CTime(2024, 2, 29, 9, 0, 0), 10, allowance + "10.00 a day for the rest of the month"},
        {100, CTime(2024, 3, 31, 18, 0, 0), 100, allowance + "0.00 a day for the rest of the month"},
        {120, CTime(2024, 3, 10, 18, 0, 0), 100, "You have already spent more than your month limit"},
        {120, CTime(2024, 3, 10, 18, 0, 0), 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.now.Format("%d %B, limit ") + std::to_string(c.limit));
        const CCallArray& calls = c.minutes ? Calls({c.minutes * 60}) : Calls({});
        const std::string report = BuildReportText(calls, c.now, c.limit);
        EXPECT_EQ(BuildReportWithPace(calls, c.now, c.limit),
                  c.pace.empty() ? report : report + "\r\n\r\n" + c.pace);
    }
}

TEST(DurationTextTest, PadsMinutesAndSecondsAndWritesHoursInFull) {
    EXPECT_EQ(DurationText(CTimeSpan(59 * 60 + 59)), "00:59:59");
    EXPECT_EQ(DurationText(CTimeSpan(3600)), "1:00:00");
    EXPECT_EQ(DurationText(CTimeSpan(1000 * 3600 + 5 * 60 + 9)), "1000:05:09");
}

TEST_F(ReportTextTest, ListsEachCallAndAddsThemUp) {
    const CallListTexts texts = BuildCallListTexts(Calls({40 * 60, 40 * 60, 40 * 60}));
    ASSERT_EQ(texts.rows.size(), 3u);
    EXPECT_EQ(texts.rows[2].start, "03/01/24 13:20:00");
    EXPECT_EQ(texts.rows[2].duration, "00:40:00");
    EXPECT_EQ(texts.rows[2].cost, "$40.00");
    EXPECT_EQ(texts.callCount, "3");
    EXPECT_EQ(texts.totalTime, "2:00:00");
    EXPECT_EQ(texts.totalCost, "$120.00");

    // Rows and totals follow the rates in force when they are read, also for earlier calls.
    Settings.WeekdayDayRate = Settings.WeekdayNightRate = 0.5;
    const CallListTexts halved = BuildCallListTexts(Calls({40 * 60, 40 * 60, 40 * 60}));
    EXPECT_EQ(halved.rows[2].cost, "$20.00");
    EXPECT_EQ(halved.totalCost, "$60.00");

    const CallListTexts empty = BuildCallListTexts(Calls({}));
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.callCount + " " + empty.totalTime + " " + empty.totalCost, "0 00:00:00 $0.00");
}
} // namespace
