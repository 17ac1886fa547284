// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/AddedCall.h"

#include "core/billing/CallArray.h"

#include <utility>
#include <vector>

std::optional<CCallRecord> FindOverlappingCall(const CCallArray& calls, CTime start, CTime end) {
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        if (start < call.GetEnd() && call.GetStart() < end)
            return call;
    }
    return std::nullopt;
}

void InsertByEnd(CCallArray& calls, CTime start, CTime end) {
    std::vector<std::pair<CTime, CTime>> times;
    times.reserve(static_cast<std::size_t>(calls.GetSize()) + 1);
    for (int i = 0; i < calls.GetSize(); ++i) {
        const CCallRecord call = calls.GetAt(i);
        times.emplace_back(call.GetStart(), call.GetEnd());
    }
    auto position = times.begin();
    while (position != times.end() && position->second <= end)
        ++position;
    times.insert(position, {start, end});
    calls.RemoveAll();
    calls.Reserve(static_cast<int>(times.size()));
    for (const auto& [callStart, callEnd] : times)
        calls.Add(CCallRecord(callStart, callEnd));
}

void RemoveCall(CCallArray& calls, CTime start, CTime end) {
    std::vector<CCallRecord> kept;
    kept.reserve(static_cast<std::size_t>(calls.GetSize()));
    bool removed = false;
    for (int i = 0; i < calls.GetSize(); ++i) {
        CCallRecord call = calls.GetAt(i);
        if (!removed && call.GetStart() == start && call.GetEnd() == end)
            removed = true;
        else
            kept.push_back(std::move(call));
    }
    calls.RemoveAll();
    calls.Reserve(static_cast<int>(kept.size()));
    for (CCallRecord& call : kept)
        calls.Add(std::move(call));
}
