// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Two decimals, halves rounded up, '.' as separator whatever the locale, no thousands separator,
// no currency symbol; a negative amount gets a leading '-'.
std::string FormatMoney(double amount);

// An amount as the user sees it: the currency symbol right before the money text.
std::string ShownAmount(double amount);
