// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The few pieces of program-wide state that every window reads in place.

// Directory of Calls.log, ending with '/'.
extern std::string ProgramDirectory;
// Currency symbol of the user's locale, written right before every amount shown; may be empty.
extern std::string CurrencySymbol;
// Set when the call list changed; decides whether Calls.log is written.
extern bool LogChanged;
