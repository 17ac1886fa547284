// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Two decimals, halves rounded up, '.' as separator whatever the locale, no thousands separator,
// no currency symbol; a negative amount gets a leading '-'.
std::string FormatMoney(double amount);

// An amount as the user sees it on screen: the money text with the locale's decimal mark for money,
// and the currency symbol where the locale writes it ("$0.12" in English, "0,12 €" in German). Files
// and what programs read (Calls.log, CSV, JSON, --raw) keep FormatMoney's point form.
std::string ShownAmount(double amount);
