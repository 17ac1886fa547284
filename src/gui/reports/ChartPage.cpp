// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/ChartPage.h"

#include "core/billing/PeriodTotals.h"
#include "core/platform/Clock.h"
#include "core/reports/MonthFigures.h"
#include "core/reports/ReportText.h"
#include "core/settings/Settings.h"
#include "gui/reports/SpendingChart.h"

#include <QLabel>
#include <QVBoxLayout>

CChartPage::CChartPage(const CCallArray& calls, Clock& clock, QWidget* parent)
    : QWidget(parent), m_chart(new CSpendingChart(this)), m_labelProjection(new QLabel(this)),
      m_calls(&calls), m_clock(clock) {
    setObjectName(QStringLiteral("CChartPage"));
    m_chart->setAccessibleName(tr("Cost of each day of the month"));
    m_labelProjection->setObjectName(QStringLiteral("m_labelProjection"));
    m_labelProjection->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_labelProjection);
}

void CChartPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_bDrawn)
        OnInitDialog();
}

void CChartPage::SetMonth(const CCallArray& calls, std::optional<CBillingPeriod> past) {
    m_calls = &calls;
    m_past = past;
    if (m_bDrawn)
        OnInitDialog();
}

void CChartPage::OnInitDialog() {
    m_bDrawn = true;
    const CTime now = m_clock.Now();
    const CBillingPeriod period = m_past.value_or(PeriodOf(now));
    const std::vector<double> perDay = GetSpentPerDay(*m_calls, period, now);
    QStringList days;
    for (int i = 1; i <= static_cast<int>(perDay.size()); ++i)
        days << QString::number(period.DayOfMonth(i));
    m_chart->SetBars(perDay, days, m_past ? -1 : static_cast<int>(perDay.size()) - 1, Settings.DayLimit,
                     QString::fromStdString(period.Title()), CSpendingChart::DayTexts());
    m_labelProjection->setText(
        QString::fromStdString(BuildProjectionText(*m_calls, period, now, Settings.MonthLimit)));
}
