// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallRecord.h"

#include <vector>

// The month's calls, oldest first, with the classic growth rule: the capacity grows by one eighth
// of the size, at least 4 and at most 1024 records, or straight to the requested size.
class CCallArray {
public:
    int Add(CCallRecord record);
    // A fresh copy, priced by the tariff in force now. The index is the caller's to keep in range.
    CCallRecord GetAt(int index) const { return m_data[static_cast<std::size_t>(index)]; }
    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    int GetCapacity() const { return static_cast<int>(m_data.capacity()); }
    void RemoveAll();
    // New slots are blank records (both times 0, cost 0).
    void SetSize(int newSize);
    // Room for `count` records in one step, for a loader that knows how many are coming: growing by
    // the rule above one record at a time would copy a long list over and over.
    void Reserve(int count);

private:
    void Grow(int requested);

    std::vector<CCallRecord> m_data;
};
