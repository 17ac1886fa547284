// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/MonitorProbe.h"

#include "gui/app/StartupProbe.h"
#include "gui/monitor/MonitorDlg.h"

#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <memory>

namespace {
// The window keeps its tick timers to itself; the shown one is the repeating timer of its period.
QTimer* ShownTickTimer(CMonitorDlg& dialog) {
    for (QTimer* timer : dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->interval() == CMonitorDlg::kShownPeriodMs && !timer->isSingleShot())
            return timer;
    }
    return nullptr;
}

void StartCallAndCountTicks(CMonitorDlg& dialog) {
    QTimer* timer = ShownTickTimer(dialog);
    if (timer == nullptr) {
        CStartupProbe::Print("no-tick-timer", 0);
        return;
    }
    auto ticks = std::make_shared<long long>(0);
    // Connected after the window's own slot, so each line follows a finished tick.
    QObject::connect(timer, &QTimer::timeout, timer, [ticks] { CStartupProbe::Print("tick", ++*ticks); });
    dialog.OnStartStop();
}

// The sheet's first paint, then its chart page brought to the front and painted, as a user who
// opens the sheet to look at the chart sees them.
void OpenSheet(CMonitorDlg& dialog) {
    CStartupProbe::AtFirstPaint(
        [](const QWidget* painted) { return painted->window()->inherits("CLogsAndReportsSheet"); },
        "sheet-paint",
        [] {
            CStartupProbe::AtFirstPaint(
                [](const QWidget* widget) { return widget->inherits("CSpendingChart"); }, "chart-paint");
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("m_tabs")))
                    tabs->setCurrentIndex(tabs->count() - 1);
        });
    CStartupProbe::Print("sheet-open", CStartupProbe::Now());
    dialog.OnLogsAndReports(); // modal: returns when the sheet is closed
}
} // namespace

void ArmMonitorProbe(CMonitorDlg& dialog) {
    const QByteArray mode = CStartupProbe::Mode();
    if (mode.isEmpty())
        return;
    QTimer::singleShot(0, &dialog, [] { CStartupProbe::Print("ready", CStartupProbe::Now()); });
    QPointer<CMonitorDlg> window(&dialog);
    CStartupProbe::AtFirstPaint([window](const QWidget* painted) { return painted->window() == window; },
                                "first-paint",
                                [window, mode] {
                                    if (window.isNull())
                                        return;
                                    if (mode == "tick")
                                        StartCallAndCountTicks(*window);
                                    else if (mode == "sheet")
                                        OpenSheet(*window);
                                });
}
