// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/CallRecord.h"

#include "core/billing/Tariff.h"

CCallRecord::CCallRecord(CTime start, CTime end)
    : m_cost(ComputeCallCost(start, end)), m_start(start), m_end(end) {}

CCallRecord::CCallRecord(const CCallRecord& other)
    : m_cost(ComputeCallCost(other.m_start, other.m_end)), m_start(other.m_start), m_end(other.m_end) {}

CCallRecord& CCallRecord::operator=(const CCallRecord& other) {
    m_end = other.m_end;
    m_start = other.m_start;
    return *this;
}

CTimeSpan CCallRecord::GetDuration() const {
    // A clock set back during the call leaves the end before the start; such a call lasted nothing.
    if (m_end < m_start)
        return CTimeSpan(0);
    return m_end - m_start;
}
