// SPDX-License-Identifier: GPL-3.0-or-later
#include "SilentPrompter.h"
#include "core/billing/CallArray.h"
#include "core/platform/FakeClock.h"
#include "core/settings/Settings.h"
#include "gui/reports/CallListModel.h"
#include "gui/reports/LogPage.h"
#include "gui/reports/LogsAndReportsSheet.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

// A month of `count` calls from 1 May 2024 on, evenly spread, 5 to 95 minutes long.
void FillMonth(CCallArray& calls, int count) {
    const CTime first(2024, 5, 1, 0, 7, 0);
    const std::int64_t step = 30LL * 86400 / count;
    for (int i = 0; i < count; ++i) {
        const CTime start = first + CTimeSpan(i * step);
        calls.Add(CCallRecord(start, start + CTimeSpan(5 * 60 + (i * 37 % 91) * 60 + i % 60)));
    }
}

void UseLocalZone() {
    ::setenv("TZ", "Europe/Athens", 1);
    ::tzset();
    Settings = CSettings{};
}

// The list model and the rows of a first screen (30 rows, every column), as the view asks for them.
void BM_CallListModelFirstScreen(benchmark::State& state) {
    UseLocalZone();
    CCallArray calls;
    FillMonth(calls, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CCallListModel model(calls);
        for (int row = 0; row < 30; ++row)
            for (int column = 0; column < model.columnCount(); ++column)
                benchmark::DoNotOptimize(model.data(model.index(row, column)));
    }
}
BENCHMARK(BM_CallListModelFirstScreen)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole sheet opened and its Call Log page painted once: the month's totals, the model and
// the first screen of rows.
void BM_OpenLogsAndReportsSheet(benchmark::State& state) {
    UseLocalZone();
    CCallArray calls;
    FillMonth(calls, static_cast<int>(state.range(0)));
    FakeClock clock(CTime(2024, 5, 31, 12, 0, 0));
    SilentPrompter prompter;
    for (auto _ : state) {
        CLogsAndReportsSheet sheet(calls, clock, prompter);
        sheet.show();
        benchmark::DoNotOptimize(sheet.m_logPage->m_ctlCallList->grab());
    }
}
BENCHMARK(BM_OpenLogsAndReportsSheet)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says so at every window shown; the figures are what matters here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
