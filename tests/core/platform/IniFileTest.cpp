#include "core/platform/IniFile.h"

#include <gtest/gtest.h>

namespace {
TEST(IniFileTest, ReadsAFileWrittenByAWindowsEditor) {
    const IniFile file =
        IniFile::Parse("; comment\r\n[ billing ]\r\n  weekdaydayrate  =  3.50  \r\nINTERVALS=5\r\n"
                       "[Limits]\r\nWarnMonth = 0\r\n");
    EXPECT_EQ(file.GetString("Billing", "WeekdayDayRate"), "3.50");
    EXPECT_EQ(file.GetUInt("Billing", "Intervals", 3), 5u);
    EXPECT_EQ(file.GetUInt("LIMITS", "warnmonth", 1), 0u);
    EXPECT_FALSE(file.GetString("Limits", "WeekdayDayRate")) << "a key belongs to its own section";
    EXPECT_FALSE(file.GetString("Billing", "; comment"));
}

// Lines end in CR alone, as old Mac editors write them; junk is counted and kept as it is.
TEST(IniFileTest, ReadsLinesEndedByCrAloneAndCountsThoseItCannotRead) {
    using namespace std::string_literals;
    const std::string text = "[Billing]\rIntervals=5\r\xFF\xFEjunk\r=7\r[Limits\rWarn\0Day=1\r"s;
    IniFile file = IniFile::Parse(text);
    EXPECT_EQ(file.GetUInt("Billing", "Intervals", 3), 5u);
    EXPECT_EQ(file.UnreadableLines(), 4);
    EXPECT_EQ(file.Text(), text);
    file.Set("Billing", "Intervals", "6");
    EXPECT_EQ(file.Text().substr(0, 22), "[Billing]\rIntervals=6\r");
}

struct IntCase {
    const char* text;
    unsigned expected;
};

TEST(IniFileTest, ReadsIntegersAsTheProfileFunctionsDo) {
    const IntCase cases[] = {{"42", 42}, {"  7", 7}, {"12abc", 12}, {"abc", 0}, {"", 99},
                             {"-5", 0},  {"+8", 8},  {"0x1F", 31},  {"007", 7}, {"99999999999", 0xFFFFFFFFu}};
    for (const IntCase& c : cases)
        EXPECT_EQ(ParseProfileUInt(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(IniFileTest, SettingAKeyRewritesOnlyItsLine) {
    const std::string original = "; mine\r\n[Billing]\r\nWeekdayDayRate = 2.00\r\nIntervals=3\r\n";
    IniFile file = IniFile::Parse(original);
    file.Set("billing", "WEEKDAYDAYRATE", "2.00");
    EXPECT_EQ(file.Text(), original) << "an unchanged value keeps the user's spelling";

    file.Set("Billing", "Intervals", "5");
    file.Set("Billing", "BreakIntervals", "1");
    file.Set("Messages", "CallLimitMessage", "Stop");
    EXPECT_EQ(file.Text(),
              "; mine\r\n[Billing]\r\nWeekdayDayRate = 2.00\r\nIntervals=5\r\nBreakIntervals=1\r\n"
              "[Messages]\r\nCallLimitMessage=Stop\r\n");
}

TEST(IniFileTest, NewKeysGoBeforeTheBlankLinesThatCloseASection) {
    IniFile file = IniFile::Parse("[A]\nx=1\n\n[B]\ny=2");
    file.Set("A", "z", "3");
    file.Set("B", "w", "4");
    EXPECT_EQ(file.Text(), "[A]\nx=1\nz=3\n\n[B]\ny=2\nw=4\n");
}
} // namespace
