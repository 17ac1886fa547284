// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallArray.h"
#include "core/calllog/CallHistory.h"

#include <QDialog>
#include <vector>

class CChartPage;
class CLogPage;
class CReportPage;
class CYearPage;
class Clock;
class Prompter;
class QComboBox;
class QDialogButtonBox;
class QTabWidget;

// The "Logs and Reports" sheet: a choice of month (this one first, then those of the history,
// newest first) that the Call Log, Report and Chart pages show, a Year page, OK and Cancel. It
// never changes the calls it is given; an ended month is only shown. After exec(), an accepted
// sheet whose IsListEmpty() is true asks its owner to empty this month's list.
class CLogsAndReportsSheet : public QDialog {
    Q_OBJECT
public:
    CLogsAndReportsSheet(const CCallArray& calls, Clock& clock, Prompter& prompter, QWidget* parent = nullptr,
                         std::vector<PastMonth> history = {});

    // This month's list is empty: it had no calls, or Clear Log was confirmed.
    bool IsListEmpty() const;

    QComboBox* m_comboMonth;
    QTabWidget* m_tabs;
    CLogPage* m_logPage;
    CReportPage* m_reportPage;
    CChartPage* m_chartPage;
    CYearPage* m_yearPage;
    QDialogButtonBox* m_buttons;

signals:
    // F1 on a page: its help id.
    void helpRequested(unsigned long context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnLogCleared();
    // The pages show the month of the choice at index (0: this month).
    void OnMonthChosen(int index);

    const CCallArray& m_calls;
    Clock& m_clock;
    std::vector<PastMonth> m_history;
    bool m_bEmptyAtOpen;
    bool m_bCleared = false;
    // What the report and the chart read once the list shown has been cleared.
    CCallArray m_noCalls;
    // The calls of the ended month shown.
    CCallArray m_pastCalls;
};
