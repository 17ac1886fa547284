// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Money.h"

#include "core/platform/NumberText.h"
#include "core/platform/ProgramState.h"

std::string FormatMoney(double amount) {
    return FormatTwoDecimals(amount);
}

std::string ShownAmount(double amount) {
    return CurrencySymbol + FormatMoney(amount);
}
