// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

#include <string>
#include <string_view>

class CCallArray;
class Prompter;

// One field of a CSV record (RFC 4180): quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise.
std::string CsvField(std::string_view text);

// A local time as ISO 8601 without a zone: 2024-03-06T20:00:00.
std::string IsoLocalTime(CTime time);

// The month's calls for a spreadsheet: a header row, then one call per record with its start and
// end (ISO 8601 local times), its duration in seconds and its cost ('.' and two decimals, no
// currency symbol, priced by the tariff in force). Records end with CR LF.
std::string BuildCallsCsv(const CCallArray& calls);

// Asks for a file name (Save As, proposing Calls-YYYY-MM.csv) and writes the CSV text there
// atomically. A failed write is reported in a message box and leaves an existing file as it was.
// Returns true when the file was written, false when cancelled or failed.
bool ExportCallsCsv(const CCallArray& calls, CTime now, Prompter& prompter);
