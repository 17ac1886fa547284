// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/LogsAndReportsSheet.h"

#include "core/billing/PeriodTotals.h"
#include "core/platform/Clock.h"
#include "core/reports/MonthList.h"
#include "core/settings/Settings.h"
#include "gui/reports/ChartPage.h"
#include "gui/reports/LogPage.h"
#include "gui/reports/ReportPage.h"
#include "gui/reports/YearPage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

CLogsAndReportsSheet::CLogsAndReportsSheet(const CCallArray& calls, Clock& clock, Prompter& prompter,
                                           QWidget* parent, std::vector<PastMonth> history)
    : QDialog(parent), m_comboMonth(new QComboBox(this)), m_tabs(new QTabWidget(this)),
      m_logPage(new CLogPage(calls, clock, prompter, m_tabs)),
      m_reportPage(new CReportPage(calls, clock, m_tabs)), m_chartPage(new CChartPage(calls, clock, m_tabs)),
      m_yearPage(new CYearPage(calls, PeriodOf(clock.Now()), history, Settings.PeriodStartDay, m_tabs)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)), m_calls(calls),
      m_clock(clock), m_history(std::move(history)), m_bEmptyAtOpen(calls.GetSize() == 0) {
    setObjectName(QStringLiteral("CLogsAndReportsSheet"));
    setWindowTitle(tr("Logs and Reports"));
    m_comboMonth->setObjectName(QStringLiteral("m_comboMonth"));
    m_comboMonth->addItem(tr("This month: %1").arg(Text(PeriodOf(clock.Now()).Title())));
    for (const PastMonth& month : m_history)
        m_comboMonth->addItem(month.problem.empty() ? Text(month.period.Title())
                                                    : tr("%1 (damaged)").arg(Text(month.period.Title())));
    m_tabs->setObjectName(QStringLiteral("m_tabs"));
    // The page captions are the tab texts, blanks and all.
    m_tabs->addTab(m_logPage, tr("          Call Log          "));
    m_tabs->addTab(m_reportPage, tr("            Report            "));
    m_tabs->addTab(m_chartPage, tr("Chart"));
    m_tabs->addTab(m_yearPage, tr("Year"));
    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(tr("&Month:"), this);
    label->setBuddy(m_comboMonth);
    choice->addWidget(label);
    choice->addWidget(m_comboMonth, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_logPage, &CLogPage::logCleared, this, &CLogsAndReportsSheet::OnLogCleared);
    connect(m_comboMonth, &QComboBox::currentIndexChanged, this, &CLogsAndReportsSheet::OnMonthChosen);
    resize(640, 460);
}

bool CLogsAndReportsSheet::IsListEmpty() const {
    return m_bEmptyAtOpen || m_bCleared;
}

void CLogsAndReportsSheet::OnLogCleared() {
    m_bCleared = true;
    m_reportPage->SetCalls(m_noCalls);
    m_chartPage->SetCalls(m_noCalls);
}

void CLogsAndReportsSheet::OnMonthChosen(int index) {
    if (index <= 0) {
        const CCallArray& calls = m_bCleared ? m_noCalls : m_calls;
        m_logPage->ShowMonth(calls, tr("List of calls made during this month (in chronological order) :"),
                             std::nullopt);
        m_reportPage->SetMonth(calls, std::nullopt);
        m_chartPage->SetMonth(calls, std::nullopt);
        m_yearPage->ShowYear(PeriodOf(m_clock.Now()).Year());
        return;
    }
    const PastMonth& month = m_history[static_cast<std::size_t>(index - 1)];
    m_pastCalls = CallArrayOf(month.calls);
    const QString heading =
        month.problem.empty()
            ? tr("List of calls made during %1 (in chronological order) :").arg(Text(month.period.Title()))
            : tr("%1\nThe calls that could be read from it:").arg(Text(month.problem));
    m_logPage->ShowMonth(m_pastCalls, heading, month.period);
    m_reportPage->SetMonth(m_pastCalls, month.period);
    m_chartPage->SetMonth(m_pastCalls, month.period);
    m_yearPage->ShowYear(month.period.Year());
}

void CLogsAndReportsSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(m_tabs->currentWidget() == m_logPage ? CLogPage::kHelpId : CReportPage::kHelpId);
        return;
    }
    QDialog::keyPressEvent(event);
}
