// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Money.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"

#include "support/FreshState.h"

#include <clocale>
#include <cmath>

namespace {
using MoneyTest = FreshStateTest;
TEST_F(MoneyTest, MoneyHasTwoDecimalsHalvesUpAfterTheSymbol) {
    const std::pair<double, const char*> cases[] = {
        {0.005, "0.01"},   {0.004, "0.00"},   {0.125, "0.13"},  {9.999, "10.00"},
        {46.475, "46.48"}, {-0.125, "-0.13"}, {-0.004, "0.00"}, {1e16, "10000000000000000.00"},
        {NAN, "0.00"}};
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(FormatMoney(amount), text) << amount;
    EXPECT_EQ(ShownAmount(2.5), "$2.50");
}

// On screen an amount is written as the locale writes money, with the user's symbol when one is
// set and the locale's otherwise; the files' form (FormatMoney) keeps its point.
TEST_F(MoneyTest, AmountsOnScreenAreWrittenAsTheLocaleWritesMoney) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"en_US.UTF-8", "", "$1234.50"},         {"de_DE.UTF-8", "", "1234,50 \xE2\x82\xAC"},
        {"fr_FR.UTF-8", "", "1234,50 \xE2\x82\xAC"}, {"de_DE.UTF-8", "CHF", "1234,50 CHF"},
        {"en_US.UTF-8", "CHF", "CHF1234.50"},    {"C", "", "1234.50"}};
    const std::string was = std::setlocale(LC_ALL, nullptr);
    for (const auto& [locale, symbol, shown] : rows) {
        if (std::setlocale(LC_ALL, locale) == nullptr) {
            std::printf("locale %s is not installed: its row is left out\n", locale);
            continue;
        }
        Settings.CurrencySymbol = symbol;
        ApplyCurrencySymbol();
        EXPECT_EQ(ShownAmount(1234.5), shown) << locale << " " << symbol;
        EXPECT_EQ(FormatMoney(1234.5), "1234.50");
    }
    std::setlocale(LC_ALL, was.c_str());
}
} // namespace
