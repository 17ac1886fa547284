#include "core/billing/CallArray.h"
#include "core/platform/FakeClock.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "gui/reports/ChartPage.h"
#include "gui/reports/LogPage.h"
#include "gui/reports/LogsAndReportsSheet.h"
#include "support/ScriptedPrompter.h"
#include "support/TzGuard.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {
// A month as a user of a cheap night tariff might have it: one to three calls an evening.
void FillMonth(CCallArray& calls, int today) {
    unsigned seed = 7;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int day = 1; day <= today; ++day) {
        CTime start(2024, 3, day, 18 + static_cast<int>(next(3)), static_cast<int>(next(60)),
                    static_cast<int>(next(60)));
        for (unsigned n = 1 + next(3); n > 0; --n) {
            const CTime end = start + CTimeSpan(60 * (8 + next(70)) + next(60));
            calls.Add(CCallRecord(start, end));
            start = end + CTimeSpan(60 * (5 + next(40)));
        }
    }
}

// Saves each tab as the user sees it when CORVELLAN_SCREENSHOT_DIR names a directory.
TEST(SheetLookTest, EachTabShowsTheMonth) {
    TzGuard tz("UTC0");
    Settings = CSettings{};
    Settings.WeekdayDayRate = 0.05;
    Settings.WeekdayNightRate = 0.02;
    Settings.WeekendDayRate = 0.03;
    Settings.WeekendNightRate = 0.01;
    Settings.DayLimit = 5;
    Settings.MonthLimit = 100;
    CurrencySymbol = "$";
    CCallArray calls;
    FillMonth(calls, 19);
    FakeClock clock(CTime(2024, 3, 19, 23, 40, 0));
    ScriptedPrompter prompter;
    CLogsAndReportsSheet sheet(calls, clock, prompter);
    sheet.show();
    const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
    const char* names[] = {"logs-call-log.png", "logs-report.png", "logs-chart.png"};
    for (int tab = 0; tab < 3; ++tab) {
        sheet.m_tabs->setCurrentIndex(tab);
        if (!out.isEmpty())
            sheet.grab().save(QDir(out).filePath(QString::fromLatin1(names[tab])));
    }
    EXPECT_GE(sheet.m_logPage->m_ctlCallList->columnWidth(0), 107);
    EXPECT_GE(sheet.m_logPage->m_ctlCallList->columnWidth(1), 100);

    // One bar a day; today's in a set of its own.
    const auto* bars =
        qobject_cast<QStackedBarSeries*>(sheet.m_chartPage->m_chartView->chart()->series().at(0));
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    const QBarSet* earlier = bars->barSets().at(0);
    const QBarSet* today = bars->barSets().at(1);
    ASSERT_EQ(earlier->count(), 19);
    EXPECT_EQ(earlier->at(18), 0.0);
    EXPECT_GT(today->at(18), 0.0);
    EXPECT_EQ(today->sum(), today->at(18));
    CurrencySymbol.clear();
}
} // namespace
