// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Switches every category of the C library's locale to the user's default (month names, "%x %X")
// and returns that locale's currency symbol, which may be empty. Falls back to "C" when the
// user's locale is not installed.
std::string InitUserLocale();

// The currency symbol of the current C locale.
std::string LocaleCurrencySymbol();
