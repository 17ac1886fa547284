// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/LogsAndReportsSheet.h"

#include "gui/reports/ChartPage.h"
#include "gui/reports/LogPage.h"
#include "gui/reports/ReportPage.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

CLogsAndReportsSheet::CLogsAndReportsSheet(const CCallArray& calls, Clock& clock, Prompter& prompter,
                                           QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)), m_logPage(new CLogPage(calls, clock, prompter, m_tabs)),
      m_reportPage(new CReportPage(calls, clock, m_tabs)), m_chartPage(new CChartPage(calls, clock, m_tabs)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("CLogsAndReportsSheet"));
    setWindowTitle(tr("Logs and Reports"));
    m_tabs->setObjectName(QStringLiteral("m_tabs"));
    // The page captions are the tab texts, blanks and all.
    m_tabs->addTab(m_logPage, QStringLiteral("          Call Log          "));
    m_tabs->addTab(m_reportPage, QStringLiteral("            Report            "));
    m_tabs->addTab(m_chartPage, QStringLiteral("Chart"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_logPage, &CLogPage::logCleared, this, &CLogsAndReportsSheet::OnLogCleared);
    resize(640, 460);
}

bool CLogsAndReportsSheet::IsListEmpty() const {
    return m_logPage->IsListEmpty();
}

void CLogsAndReportsSheet::OnLogCleared() {
    m_reportPage->SetCalls(m_noCalls);
    m_chartPage->SetCalls(m_noCalls);
}

void CLogsAndReportsSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(m_tabs->currentWidget() == m_logPage ? CLogPage::kHelpId : CReportPage::kHelpId);
        return;
    }
    QDialog::keyPressEvent(event);
}
