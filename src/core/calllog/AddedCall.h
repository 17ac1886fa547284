// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallRecord.h"

#include <optional>

class CCallArray;

// A call typed in by hand (corvellanctl add) joins the month's list here.

// The first logged call that shares time with start..end; calls that only touch do not.
std::optional<CCallRecord> FindOverlappingCall(const CCallArray& calls, CTime start, CTime end);

// Inserts the call before the first one that ended later, so the list stays in order of the ends.
void InsertByEnd(CCallArray& calls, CTime start, CTime end);
// Takes out the first call from start to end, if there is one.
void RemoveCall(CCallArray& calls, CTime start, CTime end);
