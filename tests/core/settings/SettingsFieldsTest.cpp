// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsFields.h"
#include "core/settings/PreferencesFields.h"
#include "core/settings/Settings.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {
using enum FieldRule;

// Hours and minutes are whole numbers up to 24 and 60, limits 0 to 1000000; "1,5" is 1.5 with a
// decimal comma and never 1 or 15 without one; "4294967320" is 24 once cut to 32 bits.
TEST(SettingsFieldsTest, ReadsEachKindOfFieldWholeOrRefusesIt) {
    const std::tuple<FieldRule, const char*, const char*, double> accepted[] = {
        {Hours, " 24 ", ".", 24},
        {Minutes, "60", ".", 60},
        {Rate, "0", ".", 0},
        {Rate, "1,5", ",", 1.5},
        {Rate, "1.5", ",", 1.5},
        {Limit, "1000000", ".", 1000000},
        {Percent, "0", ".", 0},
        {Percent, "50", ".", 50},
        {Percent, "99", ".", 99},
        {DayOfMonth, "1", ".", 1},
        {DayOfMonth, "31", ".", 31},
        // a 24-hour value on a 12-hour PM field is the hour it names
        {PmHours, "11", ".", 11},
        {PmHours, "12", ".", 12},
        {PmHours, "20", ".", 8},
        {PmHours, "24", ".", 12}};
    for (const auto& [rule, text, decimalPoint, value] : accepted)
        EXPECT_EQ(ReadField(rule, text, decimalPoint), value) << text;
    const std::pair<FieldRule, const char*> refused[] = {
        {Hours, "25"},      {Hours, "-1"},         {Hours, "six"},          {Hours, "4294967320"},
        {Minutes, "61"},    {Rate, "1,5"},         {Rate, "1.5x"},          {Rate, "1e400"},
        {Rate, "nan"},      {Limit, "1000000.01"}, {Limit, "-0.01"},        {Rate, "-2"},
        {Percent, "49"},    {Percent, "100"},      {Percent, "4294967346"}, {DayOfMonth, "0"},
        {DayOfMonth, "32"}, {PmHours, "25"}};
    for (const auto& [rule, text] : refused)
        EXPECT_EQ(ReadField(rule, text, "."), std::nullopt) << text;
}

TEST(SettingsFieldsTest, ShowsNumbersInGeneralFormAndReadsThemBack) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {2, ".", "2"},     {2.25, ",", "2,25"},       {-0.0, ".", "0"},
        {0.1, ".", "0.1"}, {1000000, ".", "1000000"}, {1e20, ".", "1e+20"}};
    for (const auto& [value, decimalPoint, text] : cases) {
        EXPECT_EQ(FormatGeneralNumber(value, decimalPoint), text);
        EXPECT_EQ(ReadField(Rate, text, decimalPoint), value + 0.0) << text;
    }
    EXPECT_EQ(ShowField(Hours, 24, ","), "24");
}

// Every number differs, so a field bound to, or copied back into, the wrong setting shows.
TEST(SettingsFieldsTest, PageFieldsShowAndCopyBackTheirOwnSettings) {
    // In the order of the members: rates, switch times, rounding, limits and warnings, messages,
    // the link followed, the tariff options, the billing period.
    const CSettings s{1,      2,     3,       4,    5,       6,     7,  8,
                      true,   9,     10,      true, 11,      false, 12, false,
                      "call", "day", "month", true, "wwan9", 14,    15, std::bitset<7>(0b0100010),
                      {},     60,    13};
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
                     "PeriodStartDay=13 CallLimit=10 DayLimit=11 MonthLimit=12 EarlyWarningPercent=60 ");
    CSettings copied;
    billing.CopyTo(copied);
    limits.CopyTo(copied);
    CMessagesFields{s}.CopyTo(copied);
    CConnectionFields{s}.CopyTo(copied);
    EXPECT_EQ(copied, s);

    // A night after midnight is refused on its hour: 12:30 PM would be 00:30 the next day.
    CBillingFields late{s};
    ASSERT_FALSE(ReadNumbers(
        late.Numbers(), std::vector<std::string>{"0", "6", "12", "30", "1", "1", "1", "1", "3", "1"}, "."));
    EXPECT_EQ(late.CheckTimes() ? late.Numbers()[late.CheckTimes()->index].name : "",
              std::string("NightStartsHours"));
    EXPECT_FALSE(CBillingFields{CSettings{}}.CheckTimes());

    // Values only the right check lets through: minutes of 60, rates beyond any limit.
    const std::vector<std::string> edges = {"60", "24", "24", "60", "2e6", "2e6", "2e6", "2e6", "60", "31"};
    EXPECT_FALSE(ReadNumbers(billing.Numbers(), edges, "."));
}

// A label's words, as a screen reader says them and a refusal starts with: no mnemonic, no colon,
// nor the blank a language puts before it.
TEST(SettingsFieldsTest, ALabelsWordsHaveNoMnemonicNorColon) {
    const std::pair<const char*, const char*> rows[] = {
        {"&Fee per call:", "Fee per call"},
        {"Save && &quit", "Save & quit"},
        {"Co\xC3\xBBt total\xC2\xA0:", "Co\xC3\xBBt total"},
        {"Tarif de &nuit\xE2\x80\xAF: ", "Tarif de nuit"},
        {"ends in &", "ends in"},
    };
    for (const auto& [label, words] : rows)
        EXPECT_EQ(LabelWords(label), words) << label;
}

// A symbol of the user's own, blanks around it dropped, or none for the locale's.
TEST(SettingsFieldsTest, ACurrencySymbolIsShortTextOrNothing) {
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"  \xE2\x82\xAC ", "\xE2\x82\xAC"},
        {"", ""},
        {" \t", ""},
        {"CHF", "CHF"},
        {"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC",
         "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
        {"123456789", std::nullopt},
        {"a\tb", std::nullopt}};
    for (const auto& [typed, kept] : rows) {
        CBillingFields billing{CSettings{.CurrencySymbol = "old"}};
        const bool refused = billing.ReadCurrencySymbol(typed).has_value();
        EXPECT_EQ(refused ? std::nullopt : std::optional(billing.CurrencySymbol), kept) << typed;
    }
}

// The fee and minimum are amounts of money; a holiday is a date that exists, every year or that year
// only, kept once and in order.
TEST(SettingsFieldsTest, BillingOptionsTakeAmountsAndDatesThatExist) {
    CBillingFields billing{CSettings{}};
    EXPECT_EQ(ReadNumbers(billing.OptionNumbers(), std::vector<std::string>{"0.5", "1e7"}, ".")->index, 1u);
    EXPECT_EQ(billing.AddHoliday(2024, 2, 30, false), "There is no such date as 2024-02-30.");
    EXPECT_TRUE(billing.AddHoliday(2023, 2, 29, false) && billing.AddHoliday(0, 12, 25, false));
    EXPECT_FALSE(billing.AddHoliday(2024, 2, 29, false) || billing.AddHoliday(2023, 2, 29, true) ||
                 billing.AddHoliday(2025, 2, 29, true));
    EXPECT_EQ(FormatHolidays(billing.Holidays), "02-29,2024-02-29");
}

// What the tariff charges, also for times only a hand-edited file holds: a day that would start
// after the night (22:00 and 9:00 PM) or at the very minute it ends (23:29) leaves none.
TEST(SettingsFieldsTest, PeriodSentenceTellsWhatTheTariffCharges) {
    const std::string allNight = "Every moment is charged at the night rate with these times";
    const std::tuple<unsigned, unsigned, unsigned, unsigned, std::string> cases[] = {
        {6, 30, 11, 30, "Day rate from 06:31 to 23:30, night rate from 23:30 to 06:31"},
        {6, 60, 11, 60, "Day rate from 07:00 to 00:00, night rate from 00:00 to 07:00"},
        {24, 60, 11, 30, allNight},
        {22, 0, 9, 0, allNight},
        {23, 29, 11, 30, allNight}};
    for (const auto& [dayHours, dayMinutes, nightHours, nightMinutes, text] : cases)
        EXPECT_EQ(TariffPeriodsText(dayHours, dayMinutes, nightHours, nightMinutes), text);
}
// A link's name as the kernel takes it; none is needed while the link is not followed. The modem
// links come first in the list offered.
TEST(SettingsFieldsTest, ChecksTheLinkNameAndOffersModemLinksFirst) {
    const std::tuple<bool, const char*, bool> cases[] = {
        {true, "ppp0", true},    {true, "enp0s20f0u1i4", true},     {false, "", true},
        {true, "", false},       {true, "16-characters-xx", false}, {false, "ppp 0", false},
        {true, "eth0:1", false}, {true, "../ppp0", false},          {true, ".", false}};
    for (const auto& [follow, name, accepted] : cases)
        EXPECT_EQ(CConnectionFields(CSettings{.FollowLink = follow, .Interface = name}).Check().has_value(),
                  !accepted)
            << name;
    EXPECT_EQ(CheckLinkName(""), "Please enter the name of a network link, such as ppp0: 1 to 15 characters, "
                                 "without blanks, '/' or ':'.");
    EXPECT_EQ(LinkChoices({"lo", "eth0", "wwan0", "ppp1", "wlan0", "ppp0"}),
              (std::vector<std::string>{"ppp1", "ppp0", "wwan0", "lo", "eth0", "wlan0"}));
}
} // namespace
