// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Locale.h"

#include <clocale>

std::string InitUserLocale() {
    if (std::setlocale(LC_ALL, "") == nullptr)
        std::setlocale(LC_ALL, "C");
    return LocaleCurrencySymbol();
}

std::string LocaleCurrencySymbol() {
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->currency_symbol == nullptr)
        return {};
    return conventions->currency_symbol;
}
