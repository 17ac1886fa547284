#include "core/platform/IniFile.h"

#include <gtest/gtest.h>

namespace {
using namespace std::string_literals;

// Names in any case and with blanks around them, CR LF line ends, comments, and numbers read as
// the profile functions read them.
TEST(IniFileTest, ReadsAFileWrittenByAWindowsEditor) {
    const IniFile file = IniFile::Parse("; comment\r\n[ billing ]\r\n  weekdaydayrate  =  3.50  \r\n"
                                        "[Limits]\r\nWarnMonth = 0\r\n");
    EXPECT_EQ(file.GetString("Billing", "WeekdayDayRate"), "3.50");
    EXPECT_EQ(file.GetUInt("LIMITS", "warnmonth", 1), 0u);
    EXPECT_EQ(file.GetUInt("Limits", "WarnDay", 1), 1u);
    EXPECT_FALSE(file.GetString("Limits", "WeekdayDayRate")) << "a key belongs to its own section";
    EXPECT_FALSE(file.GetString("Billing", "; comment"));
    const std::pair<const char*, unsigned> numbers[] = {{"  7", 7},
                                                        {"12abc", 12},
                                                        {"abc", 0},
                                                        {"", 99},
                                                        {"-5", 0},
                                                        {"0x1F", 31},
                                                        {"99999999999", 0xFFFFFFFFu}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(ParseProfileUInt(text, 99), value) << '"' << text << '"';
}

// Lines end in CR alone, as old Mac editors write them; junk is counted and kept as it is.
TEST(IniFileTest, ReadsLinesEndedByCrAloneAndCountsThoseItCannotRead) {
    const std::string text = "[Billing]\rIntervals=5\r\xFF\xFEjunk\r=7\r[Limits\rWarn\0Day=1\r"s;
    IniFile file = IniFile::Parse(text);
    EXPECT_EQ(file.GetUInt("Billing", "Intervals", 3), 5u);
    EXPECT_EQ(file.UnreadableLines(), 4);
    EXPECT_EQ(file.Text(), text);
    file.Set("Billing", "Intervals", "6");
    EXPECT_EQ(file.Text().substr(0, 22), "[Billing]\rIntervals=6\r");
}

// An unchanged value keeps the user's spelling; a new key goes before the blank lines that close
// its section, a new section at the end.
TEST(IniFileTest, SettingAKeyRewritesOnlyItsLine) {
    IniFile file =
        IniFile::Parse("; mine\r\n[Billing]\r\nWeekdayDayRate = 2.00\r\nIntervals=3\r\n\r\n[Limits]\r\nx=1");
    file.Set("billing", "WEEKDAYDAYRATE", "2.00");
    file.Set("Billing", "Intervals", "5");
    file.Set("Billing", "BreakIntervals", "1");
    file.Set("Messages", "CallLimitMessage", "Stop");
    EXPECT_EQ(file.Text(),
              "; mine\r\n[Billing]\r\nWeekdayDayRate = 2.00\r\nIntervals=5\r\nBreakIntervals=1\r\n\r\n"
              "[Limits]\r\nx=1\r\n[Messages]\r\nCallLimitMessage=Stop\r\n");
}
} // namespace
