// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/billing/CallArray.h"

#include <algorithm>

namespace {
constexpr int kMinGrowth = 4;
constexpr int kMaxGrowth = 1024;
} // namespace

int CCallArray::Add(CCallRecord record) {
    const int index = GetSize();
    Grow(index + 1);
    m_data.push_back(CCallRecord());
    // Assignment carries only the times: the stored record is priced again whenever it is read.
    m_data.back() = record;
    return index;
}

void CCallArray::RemoveAll() {
    std::vector<CCallRecord>().swap(m_data);
}

void CCallArray::SetSize(int newSize) {
    if (newSize <= 0) {
        RemoveAll();
        return;
    }
    Grow(newSize);
    m_data.resize(static_cast<std::size_t>(newSize));
}

void CCallArray::Reserve(int count) {
    if (count > GetCapacity())
        m_data.reserve(static_cast<std::size_t>(count));
}

void CCallArray::Grow(int requested) {
    if (requested <= GetCapacity())
        return;
    const int step = std::clamp(GetSize() / 8, kMinGrowth, kMaxGrowth);
    m_data.reserve(static_cast<std::size_t>(std::max(GetCapacity() + step, requested)));
}
