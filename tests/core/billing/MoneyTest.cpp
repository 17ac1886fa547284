#include "core/billing/Money.h"
#include "core/platform/ProgramState.h"

#include <gtest/gtest.h>

namespace {
struct MoneyCase {
    double amount;
    const char* text;
};

class FormatMoneyTest : public ::testing::TestWithParam<MoneyCase> {};

TEST_P(FormatMoneyTest, WritesTwoDecimalsHalvesUp) {
    EXPECT_EQ(FormatMoney(GetParam().amount), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatMoneyTest,
    ::testing::Values(MoneyCase{0.0, "0.00"}, MoneyCase{1.5, "1.50"}, MoneyCase{0.5, "0.50"},
                      MoneyCase{0.05, "0.05"}, MoneyCase{0.005, "0.01"}, MoneyCase{0.004, "0.00"},
                      MoneyCase{12.344, "12.34"}, MoneyCase{1234.5, "1234.50"}, MoneyCase{0.999, "1.00"},
                      MoneyCase{0.001, "0.00"}, MoneyCase{0.125, "0.13"}, MoneyCase{0.996, "1.00"},
                      MoneyCase{9.999, "10.00"}, MoneyCase{1000000.0, "1000000.00"},
                      MoneyCase{46.475, "46.48"}, MoneyCase{-1.5, "-1.50"}, MoneyCase{-0.125, "-0.13"},
                      MoneyCase{-0.004, "0.00"}, MoneyCase{-0.0, "0.00"}));

TEST(FormatMoneyTest, IgnoresTheLocaleDecimalSeparator) {
    // The money text is also the stored form of amounts in the settings file.
    EXPECT_EQ(FormatMoney(2.5), "2.50");
    EXPECT_EQ(FormatMoney(1e16), "10000000000000000.00");
}

TEST(ShownAmountTest, PutsTheCurrencySymbolRightBeforeTheAmount) {
    const std::string saved = CurrencySymbol;
    CurrencySymbol = "$";
    EXPECT_EQ(ShownAmount(2.5), "$2.50");
    CurrencySymbol = "";
    EXPECT_EQ(ShownAmount(2.5), "2.50");
    CurrencySymbol = saved;
}
} // namespace
