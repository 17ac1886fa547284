#include "core/billing/CallArray.h"

#include <algorithm>

namespace {

constexpr int kMinGrowth = 4;
constexpr int kMaxGrowth = 1024;

int GrownCapacity(int size, int capacity, int requested) {
    const int step = std::clamp(size / 8, kMinGrowth, kMaxGrowth);
    return std::max(capacity + step, requested);
}

// Assignment carries only the times, so relocating the records does not price them again.
CCallRecord* Relocated(const CCallRecord* data, int size, int capacity) {
    auto* grown = new CCallRecord[capacity]();
    std::copy(data, data + size, grown);
    return grown;
}

} // namespace

CCallArray::~CCallArray() {
    delete[] m_data;
}

int CCallArray::Add(CCallRecord record) {
    const int index = m_size;
    SetSize(index + 1);
    m_data[index] = record;
    return index;
}

CCallRecord CCallArray::GetAt(int index) const {
    return m_data[index];
}

void CCallArray::RemoveAll() {
    delete[] m_data;
    m_data = nullptr;
    m_size = 0;
    m_capacity = 0;
}

void CCallArray::SetSize(int newSize) {
    if (newSize <= 0) {
        RemoveAll();
        return;
    }
    if (newSize > m_capacity) {
        const int capacity = GrownCapacity(m_size, m_capacity, newSize);
        CCallRecord* grown = Relocated(m_data, m_size, capacity);
        delete[] m_data;
        m_data = grown;
        m_capacity = capacity;
    }
    // Slots past the size are kept blank, so a later growth within the capacity finds them zeroed.
    if (newSize < m_size)
        std::fill(m_data + newSize, m_data + m_size, CCallRecord());
    m_size = newSize;
}
