// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/ReportPage.h"

#include "core/billing/PeriodTotals.h"
#include "core/platform/Clock.h"
#include "core/reports/ReportText.h"
#include "core/settings/Settings.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

CReportPage::CReportPage(const CCallArray& calls, Clock& clock, QWidget* parent)
    : QWidget(parent), m_editReport(new QPlainTextEdit(this)), m_calls(&calls), m_clock(clock) {
    setObjectName(QStringLiteral("CReportPage"));
    m_editReport->setObjectName(QStringLiteral("m_editReport"));
    m_editReport->setAccessibleName(tr("Report of the month"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editReport);
}

void CReportPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_bWritten)
        OnInitDialog();
}

void CReportPage::SetMonth(const CCallArray& calls, std::optional<CBillingPeriod> past) {
    m_calls = &calls;
    m_past = past;
    if (m_bWritten)
        OnInitDialog();
}

void CReportPage::OnInitDialog() {
    m_bWritten = true;
    const CTime now = m_clock.Now();
    QString text = QString::fromStdString(
        BuildReportWithPace(*m_calls, m_past.value_or(PeriodOf(now)), now, Settings.MonthLimit));
    text.remove(QLatin1Char('\r'));
    m_editReport->setPlainText(text);
}
