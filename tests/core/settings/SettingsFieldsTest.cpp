#include "core/settings/SettingsFields.h"
#include "core/billing/Tariff.h"
#include "core/settings/PreferencesFields.h"
#include "core/settings/Settings.h"

#include "support/TzGuard.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
constexpr std::nullopt_t kRefused = std::nullopt;

TEST(SettingsFieldsTest, ReadsEachKindOfFieldWholeOrRefusesIt) {
    const struct {
        FieldRule rule;
        const char* text;
        const char* decimalPoint;
        std::optional<double> value;
    } cases[] = {
        {FieldRule::Hours, "0", ".", 0},
        {FieldRule::Hours, "24", ".", 24},
        {FieldRule::Hours, " 7 ", ".", 7},
        {FieldRule::Hours, "25", ".", kRefused},
        {FieldRule::Hours, "-1", ".", kRefused},
        {FieldRule::Hours, "six", ".", kRefused},
        {FieldRule::Hours, "4294967320", ".", kRefused}, // 24 once cut to 32 bits
        {FieldRule::Minutes, "60", ".", 60},
        {FieldRule::Minutes, "61", ".", kRefused},
        {FieldRule::Rate, "1.5", ".", 1.5},
        {FieldRule::Rate, "-2", ".", -2},
        {FieldRule::Rate, "1,5", ",", 1.5},
        {FieldRule::Rate, "1.5", ",", 1.5},
        {FieldRule::Rate, "1,5", ".", kRefused}, // never 1, never 15
        {FieldRule::Rate, "1.5x", ".", kRefused},
        {FieldRule::Rate, "1e400", ".", kRefused},
        {FieldRule::Rate, "nan", ".", kRefused},
        {FieldRule::Rate, "0x10", ".", kRefused},
        {FieldRule::Limit, "1000000", ".", 1000000},
        {FieldRule::Limit, "1000000.01", ".", kRefused},
        {FieldRule::Limit, "-0.01", ".", kRefused},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadField(c.rule, c.text, c.decimalPoint), c.value) << '"' << c.text << '"';
    EXPECT_FALSE(std::signbit(*ReadField(FieldRule::Limit, "-0", "."))) << "-0 reads as 0";
}

TEST(SettingsFieldsTest, RefusalsSayWhatIsExpected) {
    EXPECT_EQ(RefusalMessage(FieldRule::Minutes), "Please enter a whole number from 0 to 60.");
    EXPECT_EQ(RefusalMessage(FieldRule::Rate), "Please enter a number.");
}

TEST(SettingsFieldsTest, ShowsNumbersInGeneralFormAndReadsThemBack) {
    const struct {
        double value;
        const char* decimalPoint;
        const char* text;
    } cases[] = {{2, ".", "2"},        {1.5, ".", "1.5"},         {12.5, ".", "12.5"}, {1.5, ",", "1,5"},
                 {-0.0, ".", "0"},     {1000000, ".", "1000000"}, {0.1, ".", "0.1"},   {0.13, ",", "0,13"},
                 {1e20, ".", "1e+20"}, {-2.25, ",", "-2,25"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneralNumber(c.value, c.decimalPoint), c.text);
        EXPECT_EQ(ReadField(FieldRule::Rate, c.text, c.decimalPoint), c.value + 0.0) << c.text;
    }
    EXPECT_EQ(ShowField(FieldRule::Hours, 24, ","), "24");
}

TEST(SettingsFieldsTest, FollowsTheUsersDecimalSeparator) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    const std::string point = UserDecimalPoint();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(point, ","); // "1,5" and "1.5" are then both 1.5 (see the table above)
}

TEST(SettingsFieldsTest, ReadingStopsAtTheFirstRefusedNumber) {
    CBillingFields fields{CSettings{}};
    const std::vector<std::string> texts = {"45", "25", "61", "0", "3", "2,5", "1", "0.5", "5"};
    const std::optional<FieldRefusal> refusal = ReadNumbers(fields.Numbers(), texts, ",");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->index, 1u);
    EXPECT_EQ(refusal->message, "Please enter a whole number from 0 to 24.");
    EXPECT_EQ(fields.DayStartsMinutes, 45u) << "read before the refused one";
    EXPECT_EQ(fields.NightStartsHours, 11u) << "not reached";
}

// Every number differs, so a field bound to, or copied back into, the wrong setting shows.
TEST(SettingsFieldsTest, PageFieldsHoldAndCopyBackTheirOwnSettings) {
    const CSettings s{.WeekdayDayRate = 1,
                      .WeekdayNightRate = 2,
                      .WeekendDayRate = 3,
                      .WeekendNightRate = 4,
                      .DayStartsHours = 5,
                      .DayStartsMinutes = 6,
                      .NightStartsHours = 7,
                      .NightStartsMinutes = 8,
                      .BreakIntervals = true,
                      .Intervals = 9,
                      .CallLimit = 10,
                      .WarnCall = true,
                      .DayLimit = 11,
                      .MonthLimit = 12,
                      .WarnMonth = false,
                      .CallLimitMessage = "call",
                      .DayLimitMessage = "day"};
    CBillingFields billing{s};
    CLimitsFields limits{s};
    std::string shown;
    for (const std::vector<NumberField>& numbers : {billing.Numbers(), limits.Numbers()}) {
        const std::vector<std::string> texts = ShowNumbers(numbers, ".");
        for (std::size_t i = 0; i < numbers.size(); ++i)
            shown += std::string(numbers[i].name) + "=" + texts[i] + " ";
    }
    EXPECT_EQ(shown, "DayStartsMinutes=6 DayStartsHours=5 NightStartsHours=7 NightStartsMinutes=8 "
                     "WeekdayDayRate=1 WeekdayNightRate=2 WeekendDayRate=3 WeekendNightRate=4 Intervals=9 "
                     "CallLimit=10 DayLimit=11 MonthLimit=12 ");
    CSettings copied;
    billing.CopyTo(copied);
    limits.CopyTo(copied);
    CMessagesFields{s}.CopyTo(copied);
    EXPECT_EQ(copied, s);
}

// Reads "Day rate from HH:MM to HH:MM, ..." back as the minutes of the day charged at the day rate.
bool IsDayMinute(const std::string& text, int minuteOfDay) {
    int fromH = 0, fromM = 0, toH = 0, toM = 0;
    if (std::sscanf(text.c_str(), "Day rate from %d:%d to %d:%d", &fromH, &fromM, &toH, &toM) != 4)
        return false;
    const int from = fromH * 60 + fromM;
    const int to = toH * 60 + toM == 0 ? 24 * 60 : toH * 60 + toM;
    return minuteOfDay >= from && minuteOfDay < to;
}

TEST(SettingsFieldsTest, PeriodSentenceTellsWhatTheTariffCharges) {
    TzGuard utc{"UTC0"};
    const struct {
        unsigned dayHours, dayMinutes, nightHours, nightMinutes;
        const char* text;
    } cases[] = {
        {6, 30, 11, 30, "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31"},
        {24, 60, 11, 30, "Every moment is charged at the night rate with these times"},
        {22, 0, 9, 0, "Every moment is charged at the night rate with these times"},     // day after night
        {23, 29, 11, 30, "Every moment is charged at the night rate with these times"},  // no day minute
        {6, 30, 10, 75, "Day rate from 06:31 to 23:00, night rate from 23:00 to 06:31"}, // hand-edited file
        {6, 60, 11, 60, "Day rate from 07:00 to 00:00, night rate from 00:00 to 07:00"},
        {8, 59, 0, 0, "Day rate from 09:00 to 12:00, night rate from 12:00 to 09:00"},
    };
    for (const auto& c : cases) {
        const std::string text = TariffPeriodsText(c.dayHours, c.dayMinutes, c.nightHours, c.nightMinutes);
        EXPECT_EQ(text, c.text);
        Settings = CSettings{.DayStartsHours = c.dayHours,
                             .DayStartsMinutes = c.dayMinutes,
                             .NightStartsHours = c.nightHours,
                             .NightStartsMinutes = c.nightMinutes};
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const int period = GetTariffPeriod(CTime(2024, 7, 17, minute / 60, minute % 60, 30));
            ASSERT_EQ(period == PERIOD_DAY, IsDayMinute(text, minute)) << text << " at minute " << minute;
        }
    }
    Settings = CSettings{};
}
} // namespace
