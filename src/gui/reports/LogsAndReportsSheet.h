// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/CallArray.h"

#include <QDialog>

class CChartPage;
class CLogPage;
class CReportPage;
class Clock;
class Prompter;
class QDialogButtonBox;
class QTabWidget;

// The "Logs and Reports" sheet: the Call Log, Report and Chart pages, OK and Cancel. It never
// changes the calls it is given. After exec(), an accepted sheet whose IsListEmpty() is true asks
// its owner to empty the month's list.
class CLogsAndReportsSheet : public QDialog {
    Q_OBJECT
public:
    CLogsAndReportsSheet(const CCallArray& calls, Clock& clock, Prompter& prompter,
                         QWidget* parent = nullptr);

    // The list shown is empty: the month had no calls, or Clear Log was confirmed.
    bool IsListEmpty() const;

    QTabWidget* m_tabs;
    CLogPage* m_logPage;
    CReportPage* m_reportPage;
    CChartPage* m_chartPage;
    QDialogButtonBox* m_buttons;

signals:
    // F1 on a page: its help id.
    void helpRequested(unsigned long context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnLogCleared();

    // What the report and the chart read once the list shown has been cleared.
    CCallArray m_noCalls;
};
