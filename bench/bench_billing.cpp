// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Settings.h"
#include "core/billing/CallArray.h"
#include "core/billing/CallTotals.h"
#include "core/billing/Tariff.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

namespace {

// A month of calls from Wednesday 1 May 2024 on, one start every 3 h 17 min, lasting 5 to 95
// minutes: most stay in one period, about one in ten crosses a switch.
std::vector<std::pair<CTime, CTime>> SampleCalls(int count) {
    const CTime first(2024, 5, 1, 0, 7, 0);
    std::vector<std::pair<CTime, CTime>> calls;
    calls.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const CTime start = first + CTimeSpan(static_cast<long long>(i % 240) * (3 * 3600 + 17 * 60));
        calls.emplace_back(start, start + CTimeSpan(5 * 60 + (i * 37 % 91) * 60 + i % 60));
    }
    return calls;
}

void UseLocalZone() {
    ::setenv("TZ", "Europe/Athens", 1);
    ::tzset();
}

enum CallMix { kSamePeriod, kSplit, kMixed };

// Evening calls that stay in the day, calls that run from the day into the night, and the month sample.
std::vector<std::pair<CTime, CTime>> CallsOf(CallMix mix) {
    if (mix == kMixed)
        return SampleCalls(240);
    std::vector<std::pair<CTime, CTime>> calls;
    for (int day = 1; day <= 28; ++day) {
        const CTime start =
            mix == kSamePeriod ? CTime(2024, 5, day, 19, 3, 11) : CTime(2024, 5, day, 23, 3, 11);
        calls.emplace_back(start, start + CTimeSpan(40 * 60 + day));
    }
    return calls;
}

void BM_ComputeCallCost(benchmark::State& state) {
    UseLocalZone();
    Settings = CSettings{};
    const auto mix = static_cast<CallMix>(state.range(0));
    const auto calls = CallsOf(mix);
    state.SetLabel(mix == kSamePeriod ? "same period" : mix == kSplit ? "split" : "month mix");
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& call = calls[next];
        benchmark::DoNotOptimize(ComputeCallCost(call.first, call.second));
        next = next + 1 == calls.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeCallCost)->Arg(kSamePeriod)->Arg(kSplit)->Arg(kMixed);

void BM_GetTotalCost(benchmark::State& state) {
    UseLocalZone();
    Settings = CSettings{};
    CCallArray list;
    for (const auto& call : SampleCalls(static_cast<int>(state.range(0))))
        list.Add(CCallRecord(call.first, call.second));
    for (auto _ : state)
        benchmark::DoNotOptimize(GetTotalCost(list));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["calls_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GetTotalCost)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
