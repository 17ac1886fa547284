// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A number with exactly two decimals, halves rounded up, '.' as separator whatever the locale, no
// thousands separator; a negative number gets a leading '-'. NaN is written "0.00".
std::string FormatTwoDecimals(double value);
