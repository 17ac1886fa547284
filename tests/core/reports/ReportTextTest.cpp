#include "core/reports/ReportText.h"
#include "core/settings/Settings.h"
#include "core/billing/CallArray.h"
#include "core/platform/ProgramState.h"
#include "core/reports/CallListText.h"
#include "support/TzGuard.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {
// Every minute costs 1 at any hour, so a call of n minutes costs n.
class ReportTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings();
        Settings.WeekdayDayRate = Settings.WeekdayNightRate = 1;
        Settings.WeekendDayRate = Settings.WeekendNightRate = 1;
        CurrencySymbol = "$";
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override {
        Settings = m_savedSettings;
        CurrencySymbol = m_savedSymbol;
        std::setlocale(LC_TIME, m_savedTimeLocale.c_str());
    }

    // Calls of the given lengths on 1 March 2024 from noon, one after another.
    const CCallArray& Calls(std::initializer_list<std::int64_t> seconds) {
        m_calls.RemoveAll();
        CTime start(2024, 3, 1, 12, 0, 0);
        for (const std::int64_t s : seconds) {
            m_calls.Add(CCallRecord(start, start + CTimeSpan(s)));
            start = start + CTimeSpan(s);
        }
        return m_calls;
    }

private:
    CCallArray m_calls;
    TzGuard m_tz{"UTC0"};
    CSettings m_savedSettings = Settings;
    std::string m_savedSymbol = CurrencySymbol;
    std::string m_savedTimeLocale = std::setlocale(LC_TIME, nullptr);
};

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
}
} // namespace
