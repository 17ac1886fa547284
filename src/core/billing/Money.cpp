// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/Money.h"

#include "core/platform/NumberText.h"
#include "core/platform/ProgramState.h"

#include <climits>
#include <clocale>

std::string FormatMoney(double amount) {
    return FormatTwoDecimals(amount);
}

std::string ShownAmount(double amount) {
    std::string number = FormatMoney(amount);
    const std::lconv* money = std::localeconv();
    if (money == nullptr)
        return CurrencySymbol + number;
    // The locale's decimal mark for money ("0,12" in German); no grouping, as ever.
    if (money->mon_decimal_point != nullptr && money->mon_decimal_point[0] != '\0')
        number.replace(number.find('.'), 1, money->mon_decimal_point);
    if (CurrencySymbol.empty())
        return number;
    // The symbol where the locale puts it, with the space it puts between: "$0.12", "0,12 €". A
    // locale that says nothing ("C") keeps it in front, without a space.
    const bool after = money->p_cs_precedes == 0;
    const bool spaced = money->p_sep_by_space == 1 || money->p_sep_by_space == 2;
    if (after)
        return number + (spaced ? " " : "") + CurrencySymbol;
    return CurrencySymbol + (spaced ? " " : "") + number;
}
