// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Money.h"

#include "support/FreshState.h"

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
} // namespace
