#include "core/settings/Settings.h"
#include "core/platform/Paths.h"

#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <clocale>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        SettingsChanged = false;
    }
    void WriteIni(const std::string& text) { TempDir::Write(paths.SettingsFile(), text); }
    std::string ReadIni() const { return TempDir::Read(paths.SettingsFile()); }
    std::vector<std::string> Backups() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir.File("config")))
            if (entry.path().filename().string().starts_with("Corvellan.ini.bak-"))
                found.push_back(TempDir::Read(entry.path()));
        return found;
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
    ScriptedPrompter prompter;
};

// The first run keeps the defaults, and its save writes every key in the order of the table.
TEST_F(SettingsTest, FirstRunShowsTheMessageOnceAndWritesAllKeys) {
    EXPECT_TRUE(LoadSettings(paths, prompter));
    EXPECT_TRUE(SettingsChanged);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Corvellan");
    EXPECT_NE(prompter.shown[0].text.find("first time you start Corvellan"), std::string::npos);
    EXPECT_EQ(Settings, CSettings{});
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

// An amount is read from its first nine characters with a point, whatever the locale; what cannot be
// an amount (no amount ever shows as inf or nan) is no value at all.
TEST_F(SettingsTest, ReadsAmountsFromTheirFirstNineCharacters) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const std::pair<const char*, std::optional<double>> cases[] = {{"123456789.5", 123456789.0},
                                                                   {"1.23456789", 1.2345678},
                                                                   {"  2.5", 2.5},
                                                                   {"", 0.0},
                                                                   {"-3", -3.0},
                                                                   {"1e9", 1e9},
                                                                   {"inf", {}},
                                                                   {"nan", {}},
                                                                   {"1e308", {}},
                                                                   {"-2e9", {}},
                                                                   {"1e999999", {}}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ReadIniDouble(text), expected) << '"' << text << '"' << (comma ? " in de_DE" : "");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(SettingsTest, RoundTripsValuesInTheirStoredForms) {
    const std::string euro = "\xE2\x82\xAC";
    Settings.WeekdayDayRate = 0.125;
    Settings.BreakIntervals = true;
    Settings.Intervals = 60;
    Settings.CallLimitMessage = "Line one\nWeekdayDayRate=99\r\nC:\\new folder\\n";
    Settings.DayLimitMessage.clear();
    for (int i = 0; i < 300; ++i)
        Settings.DayLimitMessage += euro;
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
    EXPECT_EQ(Settings.DayLimitMessage.size(), 255 * euro.size()) << "cut at 255 whole characters";
    EXPECT_EQ(Settings.MonthLimitMessage, "") << "an empty message stays empty";
}

TEST_F(SettingsTest, SavingUnchangedSettingsLeavesAHandEditedFileAsItWas) {
    WriteIni("[billing]\r\nweekdaydayrate = 2.00\r\n; my note\r\n[LIMITS]\r\nWarnMonth = 1\r\n");
    LoadSettings(paths, prompter);
    ASSERT_TRUE(SaveSettings(paths, prompter));
    const std::string after = ReadIni();
    EXPECT_EQ(after.substr(0, 45), "[billing]\r\nweekdaydayrate = 2.00\r\n; my note\r\n");
    EXPECT_NE(after.find("WarnMonth = 1\r\n"), std::string::npos);
    EXPECT_EQ(after.find("\n\n"), std::string::npos) << "CR LF kept throughout";
    LoadSettings(paths, prompter);
    ASSERT_TRUE(SaveSettings(paths, prompter));
    EXPECT_EQ(ReadIni(), after);
    EXPECT_TRUE(prompter.shown.empty());
}

// Values that cannot be amounts and lines that are not settings are told once; the built-in values
// stand in, and the file is copied once before it is next written.
TEST_F(SettingsTest, DamagedValuesAreToldOnceAndTheFileIsCopiedBeforeTheNextSave) {
    const std::string damaged = "[Billing]\nWeekdayDayRate=1e308\nWeekendDayRate=3.00\n\x01\x02junk\n"
                                "[Limits]\nCallLimit=nan\nDayLimit=-2e9\n";
    WriteIni(damaged);
    EXPECT_FALSE(LoadSettings(paths, prompter));
    EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 2.0);
    EXPECT_DOUBLE_EQ(Settings.WeekendDayRate, 3.0);
    EXPECT_DOUBLE_EQ(Settings.CallLimit, 0.0);
    EXPECT_DOUBLE_EQ(Settings.DayLimit, 0.0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(
        prompter.shown[0].text,
        paths.SettingsFile() +
            " holds 1 line that is not a setting, and values that are not usable amounts (WeekdayDayRate, "
            "CallLimit, DayLimit). Corvellan uses its built-in values for what it could not read, and "
            "keeps a copy of the file before it next saves the settings.");
    EXPECT_TRUE(Backups().empty());
    ASSERT_TRUE(SaveSettings(paths, prompter) && SaveSettings(paths, prompter));
    EXPECT_EQ(Backups(), std::vector<std::string>{damaged});
    EXPECT_NE(ReadIni().find("WeekdayDayRate=2.00\n"), std::string::npos);
}

// Only a missing file is a first run; a file that cannot be read is told, and never written over,
// even once it has become readable: the settings of this run are not the user's.
TEST_F(SettingsTest, SettingsThatCannotBeReadAreNeverWrittenOver) {
    const std::string file = paths.SettingsFile();
    fs::create_directories(dir.File("config"));
    for (const bool fifo : {true, false}) {
        if (fifo)
            ::mkfifo(file.c_str(), 0600);
        else
            fs::create_symlink(dir.File("gone.ini"), file);
        ScriptedPrompter told;
        Settings.WeekdayDayRate = 9;
        EXPECT_FALSE(LoadSettings(paths, told));
        EXPECT_DOUBLE_EQ(Settings.WeekdayDayRate, 9.0) << "the built-in values stay";
        fs::remove(file);
        WriteIni("[Billing]\nWeekdayDayRate=3.00\n");
        EXPECT_FALSE(SaveSettings(paths, told));
        ASSERT_EQ(told.shown.size(), 2u);
        EXPECT_EQ(told.shown[0].text.rfind("ERROR : Settings could not be read from " + file + " (", 0), 0u);
        EXPECT_EQ(told.shown[1].text, "ERROR : Settings could not be saved: " + file +
                                          " could not be read, so it was left as it is.");
        EXPECT_EQ(ReadIni(), "[Billing]\nWeekdayDayRate=3.00\n");
        fs::remove(file);
    }
}

// A write that fails part-way, or a copy that cannot be kept: the old file stays and the user is
// told; the next write that can succeed does.
TEST_F(SettingsTest, AFailedSaveLeavesTheOldFileAndTheNextOneWorks) {
    const std::pair<std::string, const char*> rows[] = {
        {"[Billing]\nWeekdayDayRate=3.00\n", "ERROR : Settings could not be saved"},
        {"[Billing]\nWeekdayDayRate=nan\n; a long comment that does not fit under the limit\n",
         "ERROR : Settings could not be saved: no copy of "}};
    for (const auto& [old, said] : rows) {
        SCOPED_TRACE(old);
        fs::remove_all(dir.File("config"));
        WriteIni(old);
        LoadSettings(paths, prompter);
        EXPECT_TRUE(RunWithFileSizeLimit(40, [&, said = said] {
            ScriptedPrompter told;
            return !SaveSettings(paths, told) && told.shown.size() == 1 &&
                   told.shown[0].text.starts_with(said);
        }));
        EXPECT_EQ(ReadIni(), old);
        EXPECT_TRUE(Backups().empty());
        ASSERT_TRUE(SaveSettings(paths, prompter));
        EXPECT_NE(ReadIni().find("MonthLimitMessage="), std::string::npos);
    }
}
} // namespace
