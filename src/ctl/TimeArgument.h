// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

#include <optional>
#include <string_view>

// A local time given on the command line, exactly "YYYY-MM-DD HH:MM:SS". Empty for any other form,
// for a field out of range (2024-02-30, 24:00:00) and for a time that the local clock skips when
// daylight saving begins.
std::optional<CTime> ParseTimeArgument(std::string_view text);

// A month given with --month: exactly "YYYY-MM", 01 to 12.
bool ParseMonthArgument(std::string_view text);
