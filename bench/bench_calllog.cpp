// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading back a log of 100 000 calls, far more than a month can hold, to show that
// neither direction is the slow part of start-up or exit; loading also at 1 000 000 calls, to show
// that the time grows no faster than the number of calls.
#include "SilentPrompter.h"
#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/Paths.h"
#include "core/settings/Settings.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace {
constexpr int kCalls = 100000;

// A scratch data directory, removed when the benchmark ends.
class Scratch {
public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvellan-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_dir = pattern + "/";
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    Paths GetPaths() const { return Paths(m_dir, m_dir); }

private:
    std::string m_dir;
};

// All calls in one month (March 2026), evenly spread, each 20 seconds long.
void FillMonth(CCallArray& calls, int count = kCalls) {
    const CTime first(2026, 3, 1, 0, 0, 0);
    const std::int64_t spacing = 31LL * 86400 * 1000 / count; // in milliseconds
    for (int i = 0; i < count; ++i) {
        const CTime start = first + CTimeSpan(i * spacing / 1000);
        calls.Add(CCallRecord(start, start + CTimeSpan(20)));
    }
}

const CTime kNow(2026, 3, 31, 23, 0, 0);

void BM_FormatAndWrite(benchmark::State& state) {
    Scratch scratch;
    SilentPrompter prompter;
    CCallLog log(scratch.GetPaths(), prompter);
    CCallArray calls;
    FillMonth(calls);
    for (auto _ : state) {
        if (!log.Save(calls, kNow))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * kCalls);
}
BENCHMARK(BM_FormatAndWrite)->Unit(benchmark::kMillisecond);

void BM_LoadAndParse(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    Scratch scratch;
    SilentPrompter prompter;
    CCallLog log(scratch.GetPaths(), prompter);
    {
        CCallArray calls;
        FillMonth(calls, count);
        log.Save(calls, kNow);
    }
    for (auto _ : state) {
        CCallArray calls;
        log.Load(calls, kNow);
        if (calls.GetSize() != count)
            state.SkipWithError("not every call was loaded");
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadAndParse)->Arg(kCalls)->Arg(10 * kCalls)->Unit(benchmark::kMillisecond);

// The text functions alone, without the file and without building call records.
void BM_ParseText(benchmark::State& state) {
    CCallArray calls;
    FillMonth(calls);
    const std::string text = FormatCallLog(calls, kNow, Settings.MonthLimit, "$");
    for (auto _ : state) {
        const ParsedLog parsed = ParseCallLog(text);
        benchmark::DoNotOptimize(parsed.calls.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseText)->Unit(benchmark::kMillisecond);
} // namespace
