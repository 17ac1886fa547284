#include "reports/ReportText.h"
#include "app/Settings.h"
#include "billing/CallArray.h"
#include "platform/ProgramState.h"
#include "support/TzGuard.h"

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
    }
    void TearDown() override {
        Settings = m_savedSettings;
        CurrencySymbol = m_savedSymbol;
    }

    // One call of the given length on the 1st of March 2024 at noon.
    void AddCall(std::int64_t seconds) {
        const CTime start(2024, 3, 1, 12, 0, 0);
        m_calls.Add(CCallRecord(start, start + CTimeSpan(seconds)));
    }
    std::string Report(int day, double limit) const {
        return BuildReportText(m_calls, CTime(2024, 3, day, 18, 0, 0), limit);
    }
    // What follows " , which is ": the verdict with its tail.
    std::string Verdict(int day, double limit) const {
        const std::string text = Report(day, limit);
        return text.substr(text.find(" , which is ") + 12);
    }

    CCallArray m_calls;

private:
    TzGuard m_tz{"UTC0"};
    CSettings m_savedSettings = Settings;
    std::string m_savedSymbol = CurrencySymbol;
};

const std::string kCalmTail =
    "the month limit that you have set ($100.00)\r\n\r\n\r\nYou shouldn't have any worries so far !";

TEST_F(ReportTextTest, WritesTheWholeReport) {
    AddCall(30 * 60);
    AddCall(12 * 60 + 7);
    EXPECT_EQ(
        Report(12, 100),
        "- Brief report for March :\r\n"
        "You have made 2 call(s) during the first 12 days of this month.\r\n"
        "You have spent a total of 0 hours, 42 minutes and 7 seconds, for which you will pay $42.12\r\n"
        "\r\n"
        "If you go on using the Net in the same way you have done so far, you will end up with a "
        "telephone bill somewhere about $105.29 , which is just above the month limit that you have set "
        "($100.00)\r\n"
        "You shouldn't have any serious worries so far !");
}

struct VerdictCase {
    const char* name;
    int minutes;
    int day;
    std::string verdict;
};

TEST_F(ReportTextTest, JudgesTheProjectionAgainstTheLimit) {
    const VerdictCase cases[] = {
        {"10 by the 10th projects 30", 10, 10, "well within " + kCalmTail},
        {"9 by the 3rd projects 90", 9, 3, "just under " + kCalmTail},
        {"10 by the 3rd projects 100", 10, 3, "exactly as much as " + kCalmTail},
        {"12 by the 3rd projects 120", 12, 3,
         "just above the month limit that you have set ($100.00)\r\nYou shouldn't have any serious worries "
         "so far !"},
        {"20 by the 3rd projects 200", 20, 3,
         "WAY ABOVE the month limit that you have set ($100.00)\r\nI suggest you IMMEDIATELY reconsider and "
         "optimize the time you spend online, otherwise be prepared for a FAT telephone bill !"},
    };
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_calls.RemoveAll();
        AddCall(c.minutes * 60);
        EXPECT_EQ(Verdict(c.day, 100), c.verdict);
    }
}

TEST_F(ReportTextTest, AnEmptyMonthWithoutLimitIsExactlyOnIt) {
    const std::string text = Report(15, 0);
    EXPECT_NE(text.find("You have made 0 call(s) during the first 15 days"), std::string::npos) << text;
    EXPECT_NE(text.find("0 hours, 0 minutes and 0 seconds, for which you will pay $0.00\r\n"),
              std::string::npos);
    EXPECT_NE(
        text.find("somewhere about $0.00 , which is exactly as much as the month limit that you have set "
                  "($0.00)\r\n\r\n\r\n"),
        std::string::npos)
        << text;
}

TEST_F(ReportTextTest, AnyCostAgainstNoLimitIsWayAbove) {
    AddCall(1);
    EXPECT_EQ(Verdict(20, 0).rfind("WAY ABOVE the month limit that you have set ($0.00)", 0), 0u);
}

TEST_F(ReportTextTest, OnTheFirstTheProjectionIsThirtyTimesTheCost) {
    AddCall(2 * 60);
    const std::string text = Report(1, 100);
    EXPECT_NE(text.find("during the first 1 days"), std::string::npos) << text;
    EXPECT_NE(text.find("somewhere about $60.00 , which is well within"), std::string::npos) << text;
}

TEST_F(ReportTextTest, CountsHoursBeyondADay) {
    AddCall(100 * 3600);
    EXPECT_NE(Report(31, 1e6).find("a total of 100 hours, 0 minutes and 0 seconds"), std::string::npos);
}
} // namespace
