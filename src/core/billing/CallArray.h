#pragma once

#include "core/billing/CallRecord.h"

#include <cstddef>
#include <memory>

// The month's calls, oldest first, in a growable contiguous buffer with the classic growth rule:
// one eighth of the size, at least 4 and at most 1024 records, or straight to the requested size.
class CCallArray {
public:
    CCallArray() = default;
    CCallArray(const CCallArray&) = delete;
    CCallArray& operator=(const CCallArray&) = delete;
    ~CCallArray();

    int Add(CCallRecord record);
    // A fresh copy, priced by the tariff in force now. The index is the caller's to keep in range.
    CCallRecord GetAt(int index) const;
    int GetSize() const { return m_size; }
    int GetUpperBound() const { return m_size - 1; }
    int GetCapacity() const { return m_capacity; }
    void RemoveAll();
    void SetSize(int newSize);

private:
    CCallRecord* m_data = nullptr;
    int m_size = 0;
    int m_capacity = 0;
};
