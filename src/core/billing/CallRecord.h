// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Time.h"

// One finished call. Its cost is never carried from copy to copy: it is derived by the tariff in
// force whenever a record is built or copied, so a change of rates reprices every call.
class CCallRecord {
public:
    CCallRecord() = default;
    CCallRecord(CTime start, CTime end);
    CCallRecord(const CCallRecord& other);
    // Only the list moves its records when it grows; that is no copy a reader sees, so no pricing.
    CCallRecord(CCallRecord&& other) noexcept = default;
    // Copies the times only; the cost stays as it was (readers only ever see fresh copies).
    CCallRecord& operator=(const CCallRecord& other);
    ~CCallRecord() = default;

    double GetCost() const { return m_cost; }
    CTime GetStart() const { return m_start; }
    CTime GetEnd() const { return m_end; }
    CTimeSpan GetDuration() const;

private:
    double m_cost = 0.0;
    CTime m_start;
    CTime m_end;
};
