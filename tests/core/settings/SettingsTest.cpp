#include "core/settings/Settings.h"
#include "core/platform/Paths.h"

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        SettingsChanged = false;
    }
    void WriteIni(const std::string& text) { TempDir::Write(paths.SettingsFile(), text); }
    std::string ReadIni() const { return TempDir::Read(paths.SettingsFile()); }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
};

TEST_F(SettingsTest, FirstRunShowsTheMessageOnceAndKeepsTheDefaults) {
    EXPECT_TRUE(LoadSettings(paths, prompter));
    EXPECT_TRUE(SettingsChanged);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Corvellan");
    EXPECT_NE(prompter.shown[0].text.find("first time you start Corvellan"), std::string::npos);
    EXPECT_EQ(Settings, CSettings{});
}

TEST_F(SettingsTest, WritesAllKeysInSectionOrder) {
    ASSERT_TRUE(SaveSettings(paths, prompter));
    EXPECT_EQ(ReadIni(), "[Billing]\nWeekdayDayRate=2.00\nWeekdayNightRate=1.50\nWeekendDayRate=1.50\n"
                         "WeekendNightRate=1.00\nDayStartsHours=6\nDayStartsMinutes=30\nNightStartsHours=11\n"
                         "NightStartsMinutes=30\nBreakIntervals=0\nIntervals=3\n[Limits]\nCallLimit=0.00\n"
                         "WarnCall=0\nDayLimit=0.00\nWarnDay=0\nMonthLimit=0.00\nWarnMonth=1\n[Messages]\n"
                         "CallLimitMessage=" +
                             CSettings{}.CallLimitMessage +
                             "\nDayLimitMessage=" + CSettings{}.DayLimitMessage +
                             "\nMonthLimitMessage=" + CSettings{}.MonthLimitMessage + "\n");
}

TEST_F(SettingsTest, MissingKeysKeepDefaultsAndBadNumbersReadAsZero) {
    WriteIni("[Billing]\nWeekdayDayRate=3.25\n[Limits]\nCallLimit=abc\nDayLimit=12.5 per day\n"
             "MonthLimit=1000000.00\nWarnMonth=\n");
    EXPECT_FALSE(LoadSettings(paths, prompter));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(SettingsChanged);
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 3.25);
    EXPECT_DOUBLE_EQ(Settings.WeekdayNightRate, 1.5) << "missing key";
    EXPECT_DOUBLE_EQ(Settings.CallLimit, 0.0) << "no number";
    EXPECT_DOUBLE_EQ(Settings.DayLimit, 12.5) << "leading number";
    EXPECT_DOUBLE_EQ(Settings.MonthLimit, 1000000.0) << "ten characters, read from the first nine";
    EXPECT_TRUE(Settings.WarnMonth) << "an empty value keeps the default";
}

TEST_F(SettingsTest, ReadsNumbersFromTheirFirstNineCharacters) {
    const std::pair<const char*, double> cases[] = {{"123456789.5", 123456789.0},
                                                    {"1.23456789", 1.2345678},
                                                    {"  2.5", 2.5},
                                                    {"inf", 0.0},
                                                    {"nan", 0.0},
                                                    {"", 0.0}};
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(ReadIniDouble(text), expected) << '"' << text << '"';
}

TEST_F(SettingsTest, ReadsAPointInACommaLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    EXPECT_DOUBLE_EQ(ReadIniDouble("2.50"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(SettingsTest, RoundTripsValuesInTheirStoredForms) {
    Settings.WeekdayDayRate = 0.125;
    Settings.BreakIntervals = true;
    Settings.Intervals = 60;
    Settings.CallLimitMessage = "Line one\nWeekdayDayRate=99\r\nC:\\new folder\\n";
    Settings.DayLimitMessage = std::string(300, 'x');
    Settings.MonthLimitMessage = "";
    ASSERT_TRUE(SaveSettings(paths, prompter));
    EXPECT_NE(ReadIni().find("WeekdayDayRate=0.13\n"), std::string::npos);
    EXPECT_EQ(ReadIni().find("\nWeekdayDayRate=99"), std::string::npos) << "no stray line from a message";

    Settings = CSettings{};
    LoadSettings(paths, prompter);
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 0.13);
    EXPECT_TRUE(Settings.BreakIntervals);
    EXPECT_EQ(Settings.Intervals, 60u);
    EXPECT_EQ(Settings.CallLimitMessage, "Line one\nWeekdayDayRate=99\nC:\\new folder\\n");
    EXPECT_EQ(Settings.DayLimitMessage, std::string(255, 'x'));
    EXPECT_EQ(Settings.MonthLimitMessage, "") << "an empty message stays empty";
}

TEST_F(SettingsTest, CapsTextsAtWholeCharacters) {
    const std::string euros = "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"; // three euro signs
    EXPECT_EQ(CapCharacters(euros, 2), "\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(CapCharacters("abc", 255), "abc");
}

TEST_F(SettingsTest, SavingUnchangedSettingsLeavesAHandEditedFileAsItWas) {
    const std::string windows =
        "[billing]\r\nweekdaydayrate = 2.00\r\n; my note\r\n[LIMITS]\r\nWarnMonth = 1\r\n";
    WriteIni(windows);
    LoadSettings(paths, prompter);
    ASSERT_TRUE(SaveSettings(paths, prompter));
    const std::string after = ReadIni();
    EXPECT_EQ(after.substr(0, 37), "[billing]\r\nweekdaydayrate = 2.00\r\n; m");
    EXPECT_NE(after.find("WarnMonth = 1\r\n"), std::string::npos);
    EXPECT_EQ(after.find("\n\n"), std::string::npos) << "CR LF kept throughout";

    const std::string saved = after;
    LoadSettings(paths, prompter);
    ASSERT_TRUE(SaveSettings(paths, prompter));
    EXPECT_EQ(ReadIni(), saved);
}

TEST_F(SettingsTest, TellsTheUserWhenTheFileCannotBeSaved) {
    TempDir::Write(dir.File("config"), "a regular file where the directory should be");
    EXPECT_FALSE(SaveSettings(paths, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Corvellan Error");
    EXPECT_EQ(prompter.shown[0].text, "ERROR : Settings could not be saved");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Stop);
    EXPECT_EQ(TempDir::Read(dir.File("config")), "a regular file where the directory should be");
}
} // namespace
