// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Settings.h"
#include "core/platform/Paths.h"

#include "support/FileKinds.h"
#include "support/FileSizeLimit.h"
#include "support/FreshState.h"
#include "support/ScriptedPrompter.h"

#include <clocale>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

class SettingsTest : public FreshStateTest {
protected:
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

// The first run keeps the defaults and writes every key in the order of the table (the Connection
// section, which older files lack, last); what is saved comes back as it was, messages with their
// line breaks and cut at 255 whole characters.
TEST_F(SettingsTest, FirstRunWritesEveryKeyAndWhatIsSavedComesBack) {
    ASSERT_TRUE(LoadSettings(paths, prompter) && SettingsChanged);
    EXPECT_NE(prompter.shown.at(0).text.find("first time you start Corvellan"), std::string::npos);
    ASSERT_TRUE(SaveSettings(paths, prompter));
    const CSettings d;
    EXPECT_EQ(ReadIni(), "[Billing]\nWeekdayDayRate=2.00\nWeekdayNightRate=1.50\nWeekendDayRate=1.50\n"
                         "WeekendNightRate=1.00\nDayStartsHours=6\nDayStartsMinutes=30\nNightStartsHours=11\n"
                         "NightStartsMinutes=30\nBreakIntervals=0\nIntervals=3\nCallFee=0.00\n"
                         "MinimumCharge=0.00\nWeekendDays=17\nHolidays=\nPeriodStartDay=1\nCurrencySymbol=\n["
                         "Limits]\nCallLimit=0.00\n"
                         "WarnCall=0\nDayLimit=0.00\nWarnDay=0\nMonthLimit=0.00\nWarnMonth=1\n"
                         "EarlyWarningPercent=0\n[Messages]\n"
                         "CallLimitMessage=" +
                             d.CallLimitMessage + "\nDayLimitMessage=" + d.DayLimitMessage +
                             "\nMonthLimitMessage=" + d.MonthLimitMessage +
                             "\n[Connection]\nFollowLink=0\nInterface=ppp0\n");

    const std::string euro = "\xE2\x82\xAC", x254(254, 'x');
    Settings = {.WeekdayDayRate = 0.125,
                .CallLimitMessage = "1\nWarnDay=1\r\nC:\\n",
                .DayLimitMessage = x254 + euro + euro,
                .MonthLimitMessage = "",
                .PeriodStartDay = 31,
                .CurrencySymbol = euro};
    ASSERT_TRUE(SaveSettings(paths, prompter));
    Settings = CSettings{};
    EXPECT_FALSE(LoadSettings(paths, prompter));
    EXPECT_EQ(Settings, (CSettings{.WeekdayDayRate = 0.13,
                                   .CallLimitMessage = "1\nWarnDay=1\nC:\\n",
                                   .DayLimitMessage = x254 + euro,
                                   .MonthLimitMessage = "",
                                   .PeriodStartDay = 31,
                                   .CurrencySymbol = euro}));
    // A start day no month has reads as the built-in 1st, and is no damage.
    prompter.shown.clear();
    for (const char* day : {"0", "32", "x"}) {
        WriteIni(std::string("[Billing]\nPeriodStartDay=") + day + "\n");
        EXPECT_TRUE(!LoadSettings(paths, prompter) && Settings.PeriodStartDay == 1 && prompter.shown.empty())
            << day;
    }
}

// A first start under a translation has the limits' warnings in the user's language; a file that
// exists keeps the ones it holds.
TEST_F(SettingsTest, AFirstStartWritesTheWarningsInTheUsersLanguage) {
    SetTranslation([](const char* context, const char* text, const char*, int) {
        return std::string(context) == "Settings" ? std::string("DE ") + text : std::string(text);
    });
    EXPECT_TRUE(LoadSettings(paths, prompter));
    const CSettings d;
    EXPECT_EQ(Settings.CallLimitMessage, "DE " + d.CallLimitMessage);
    EXPECT_EQ(Settings.DayLimitMessage, "DE " + d.DayLimitMessage);
    EXPECT_EQ(Settings.MonthLimitMessage, "DE " + d.MonthLimitMessage);
    WriteIni("[Messages]\nCallLimitMessage=mine\n");
    EXPECT_FALSE(LoadSettings(paths, prompter));
    EXPECT_EQ(Settings.CallLimitMessage, "mine");
    SetTranslation({});
}

// The tariff options come back as saved, no weekend day at all too. A value that cannot be read is
// told and counts as missing: its built-in value stands in, and the other keys still load.
TEST_F(SettingsTest, TariffOptionsComeBackAndAnUnreadableOneFallsBackAlone) {
    Settings = {.CallFee = 0.25, .MinimumCharge = 1.5, .WeekendDays{0b1100000}, .EarlyWarningPercent = 80};
    Settings.Holidays = ParseHolidays("2024-12-26, 12-25,02-29").value();
    ASSERT_TRUE(SaveSettings(paths, prompter));
    EXPECT_NE(
        ReadIni().find("CallFee=0.25\nMinimumCharge=1.50\nWeekendDays=67\nHolidays=02-29,12-25,2024-12-26\n"),
        std::string::npos);
    const CSettings saved = std::exchange(Settings, CSettings{});
    LoadSettings(paths, prompter);
    EXPECT_EQ(Settings, saved);

    const auto load = [&](const std::string& key, const std::string& line) {
        std::string text;
        for (const std::string good : {"[Billing]", "CallFee=0.50", "WeekendDays=67", "Holidays=12-25",
                                       "[Limits]", "EarlyWarningPercent=75"})
            text += (good.starts_with(key + "=") ? line : good) + "\n";
        WriteIni(text);
        Settings = CSettings{};
        ScriptedPrompter told;
        LoadSettings(paths, told);
        return std::pair(Settings, told.shown.empty() ? std::string() : told.shown[0].text);
    };
    EXPECT_TRUE(load("WeekendDays", "WeekendDays=").first.WeekendDays.none());
    const std::tuple<std::string, const char*, const char*> rows[] = {
        {"CallFee", "nan", "amounts"},      {"WeekendDays", "18", "read"},
        {"Holidays", "02-30", "read"},      {"Holidays", "12-25,", "read"},
        {"Holidays", "2023-02-29", "read"}, {"EarlyWarningPercent", "30", "read"}};
    for (const auto& [key, value, kind] : rows) {
        const auto [read, said] = load(key, key + "=" + value);
        EXPECT_EQ(read, load(key, "").first) << key << "=" << value;
        EXPECT_NE(said.find(std::string(kind) + " (" + key + ")"), std::string::npos) << said;
    }
}

// An amount is read from its first nine characters with a point, whatever the locale; no number is
// 0, and a negative one too (no damage: the Preferences would refuse it). What cannot be an amount (no amount
// ever shows as inf or nan) is told once, the built-in value stands in as for a missing key, and the file is
// copied once before it is next written.
TEST_F(SettingsTest, DamagedValuesAreToldOnceAndTheFileIsCopiedBeforeTheNextSave) {
    const std::string damaged =
        "[Billing]\nWeekdayDayRate=1e308\nWeekdayNightRate=abc\nWeekendDayRate=12345.6789\n"
        "WeekendNightRate=-3\nBreakIntervals=1\nIntervals=60\n\x01\x02junk\n"
        "[Limits]\nCallLimit=nan\nDayLimit=1e9\nMonthLimit=-2e9\n";
    WriteIni(damaged);
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_FALSE(LoadSettings(paths, prompter));
    std::setlocale(LC_ALL, locale.c_str());
    const CSettings& s = Settings;
    EXPECT_EQ(std::tie(s.WeekdayDayRate, s.WeekdayNightRate, s.WeekendDayRate, s.WeekendNightRate,
                       s.BreakIntervals, s.Intervals, s.CallLimit, s.DayLimit, s.MonthLimit),
              std::tuple(2.0, 0.0, 12345.678, 0.0, true, 60u, 0.0, 1e9, 0.0));
    ASSERT_EQ(prompter.shown.size(), 1u);
    const std::string told = " holds 1 line that is not a setting, and values that are not usable amounts "
                             "(WeekdayDayRate, CallLimit, MonthLimit). ";
    EXPECT_NE(prompter.shown[0].text.find(told), std::string::npos);
    ASSERT_TRUE(SaveSettings(paths, prompter) && SaveSettings(paths, prompter));
    EXPECT_EQ(Backups(), std::vector<std::string>{damaged});
    EXPECT_NE(ReadIni().find("WeekdayDayRate=2.00\n"), std::string::npos);
    EXPECT_NE(ReadIni().find("\x01\x02junk\n"), std::string::npos) << "the user's lines stay";
}

// Only a missing file is a first run; a file that cannot be read is told, and never written over,
// even once it has become readable: the settings of this run are not the user's.
TEST_F(SettingsTest, SettingsThatCannotBeReadAreNeverWrittenOver) {
    const std::string file = paths.SettingsFile(), mine = "[Billing]\nWeekdayDayRate=3.00\n";
    fs::create_directories(dir.File("config"));
    MakeFileKind("a FIFO", file, "");
    EXPECT_FALSE(LoadSettings(paths, prompter));
    fs::remove(file);
    WriteIni(mine);
    EXPECT_FALSE(SaveSettings(paths, prompter));
    EXPECT_EQ(ReadIni(), mine);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_TRUE(prompter.shown[0].text.starts_with("ERROR : Settings could not be read from " + file + " ("));
    EXPECT_EQ(prompter.shown[1].text, "ERROR : Settings could not be saved: " + file +
                                          " could not be read, so it was left as it is.");
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
