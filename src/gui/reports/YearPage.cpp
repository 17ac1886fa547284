// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/YearPage.h"

#include "core/billing/Money.h"
#include "core/reports/CallListText.h"
#include "core/settings/Settings.h"
#include "gui/app/LabelBuddy.h"
#include "gui/reports/SpendingChart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}
} // namespace

CYearPage::CYearPage(const CCallArray& calls, const CBillingPeriod& current, std::vector<PastMonth> history,
                     unsigned startDay, QWidget* parent)
    : QWidget(parent), m_comboYear(new QComboBox(this)), m_chart(new CSpendingChart(this)),
      m_tableYear(new QTableWidget(12, 4, this)), m_labelTotal(new QLabel(this)), m_calls(calls),
      m_current(current), m_history(std::move(history)), m_startDay(startDay) {
    setObjectName(QStringLiteral("CYearPage"));
    m_comboYear->setObjectName(QStringLiteral("m_comboYear"));
    m_tableYear->setObjectName(QStringLiteral("m_tableYear"));
    m_chart->setAccessibleName(tr("Cost of each month of the year"));
    m_tableYear->setAccessibleName(tr("Billing periods of the year"));
    m_labelTotal->setObjectName(QStringLiteral("m_labelTotal"));
    m_labelTotal->setTextFormat(Qt::PlainText);
    for (const int year : YearsOf(current, m_history))
        m_comboYear->addItem(QString::number(year), year);
    m_year = m_comboYear->count() > 0 ? m_comboYear->itemData(0).toInt() : 0;
    m_tableYear->setHorizontalHeaderLabels(
        {tr("Billing period"), tr("Calls made"), tr("Time spent online"), tr("Cost")});
    m_tableYear->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableYear->verticalHeader()->hide();
    m_tableYear->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableYear->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_tableYear->setShowGrid(false);
    m_tableYear->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tableYear->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_comboYear, &QComboBox::activated, this,
            [this](int index) { ShowYear(m_comboYear->itemData(index).toInt()); });

    auto* top = new QHBoxLayout;
    top->addWidget(JoinLabel(new QLabel(tr("&Year:"), this), m_comboYear));
    top->addWidget(m_comboYear);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    // The chart takes what the table leaves: a few rows show, the rest scroll.
    m_tableYear->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(m_chart, 3);
    layout->addWidget(m_tableYear, 2);
    layout->addWidget(m_labelTotal);
}

void CYearPage::ShowYear(int year) {
    if (const int index = m_comboYear->findData(year); index >= 0)
        m_comboYear->setCurrentIndex(index);
    m_year = year;
    if (m_bDrawn)
        Draw();
}

void CYearPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_bDrawn)
        Draw();
}

void CYearPage::Draw() {
    if (!m_bDrawn)
        m_rows = BuildMonthRows(m_current, m_calls, m_history);
    m_bDrawn = true;
    const YearFigures figures = BuildYear(m_year, m_startDay, m_rows);
    std::vector<double> costs;
    QStringList names;
    int current = -1;
    for (int i = 0; i < 12; ++i) {
        const MonthRow& month = figures.months[static_cast<std::size_t>(i)];
        costs.push_back(month.cost);
        names << QString::fromStdString(month.period.Start().Format("%b"));
        if (month.current)
            current = i;
        const std::string range = month.period.RangeText();
        m_tableYear->setItem(i, 0, Cell(range, Qt::AlignLeft));
        m_tableYear->setItem(i, 1, Cell(std::to_string(month.calls), Qt::AlignCenter));
        m_tableYear->setItem(i, 2, Cell(DurationText(month.time), Qt::AlignCenter));
        m_tableYear->setItem(i, 3, Cell(ShownAmount(month.cost), Qt::AlignRight));
    }
    m_labelTotal->setText(tr("%1 in all: %n calls made, %2 online, %3", nullptr, figures.total.calls)
                              .arg(m_year)
                              .arg(QString::fromStdString(DurationText(figures.total.time)),
                                   QString::fromStdString(ShownAmount(figures.total.cost))));
    m_chart->SetBars(costs, names, current, Settings.MonthLimit, QString::number(m_year),
                     CSpendingChart::MonthTexts());
}
