#include "reports/CallListText.h"
#include "app/Settings.h"
#include "billing/CallArray.h"
#include "platform/ProgramState.h"
#include "support/TzGuard.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {
TEST(DurationTextTest, PadsMinutesAndSecondsAndWritesHoursInFull) {
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},
        {42 * 60 + 3, "00:42:03"},
        {59 * 60 + 59, "00:59:59"},
        {3600, "1:00:00"},
        {3600 + 5 * 60 + 9, "1:05:09"},
        {26 * 3600 + 5 * 60 + 9, "26:05:09"},
        {1000 * 3600, "1000:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationText(CTimeSpan(c.seconds)), c.text) << c.seconds << " s";
}

class CallListTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings(); // weekday day rate 2 per minute
        CurrencySymbol = "$";
        m_savedTimeLocale = std::setlocale(LC_TIME, nullptr);
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override {
        std::setlocale(LC_TIME, m_savedTimeLocale.c_str());
        Settings = m_savedSettings;
        CurrencySymbol = m_savedSymbol;
    }

    TzGuard m_tz{"UTC0"};
    CSettings m_savedSettings = Settings;
    std::string m_savedSymbol = CurrencySymbol;
    std::string m_savedTimeLocale;
};

TEST_F(CallListTextTest, AnEmptyMonthHasZeroTotals) {
    CCallArray calls;
    const CallListTexts texts = BuildCallListTexts(calls);
    EXPECT_TRUE(texts.rows.empty());
    EXPECT_EQ(texts.callCount, "0");
    EXPECT_EQ(texts.totalTime, "00:00:00");
    EXPECT_EQ(texts.totalCost, "$0.00");
}

TEST_F(CallListTextTest, ListsEachCallAndAddsThemUp) {
    // Wednesday 6 March 2024, day period: 40 minutes at 2 each.
    CCallArray calls;
    for (int hour : {9, 11, 14}) {
        const CTime start(2024, 3, 6, hour, 0, 0);
        calls.Add(CCallRecord(start, start + CTimeSpan(40 * 60)));
    }
    const CallListTexts texts = BuildCallListTexts(calls);
    ASSERT_EQ(texts.rows.size(), 3u);
    EXPECT_EQ(texts.rows[0].start, "03/06/24 09:00:00");
    EXPECT_EQ(texts.rows[2].start, "03/06/24 14:00:00");
    EXPECT_EQ(texts.rows[1].duration, "00:40:00");
    EXPECT_EQ(texts.rows[1].cost, "$80.00");
    EXPECT_EQ(texts.callCount, "3");
    EXPECT_EQ(texts.totalTime, "2:00:00");
    EXPECT_EQ(texts.totalCost, "$240.00");
}

} // namespace
