// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/YearPage.h"

#include "core/billing/Money.h"
#include "core/reports/CallListText.h"
#include "core/settings/Settings.h"
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

CYearPage::CYearPage(std::vector<MonthRow> rows, unsigned startDay, QWidget* parent)
    : QWidget(parent), m_comboYear(new QComboBox(this)), m_chart(new CSpendingChart(this)),
      m_tableYear(new QTableWidget(13, 4, this)), m_rows(std::move(rows)), m_startDay(startDay) {
    setObjectName(QStringLiteral("CYearPage"));
    m_comboYear->setObjectName(QStringLiteral("m_comboYear"));
    m_tableYear->setObjectName(QStringLiteral("m_tableYear"));
    for (const int year : YearsOf(m_rows))
        m_comboYear->addItem(QString::number(year), year);
    m_year = m_comboYear->count() > 0 ? m_comboYear->itemData(0).toInt() : 0;
    m_tableYear->setHorizontalHeaderLabels(
        {tr("Billing period"), tr("Calls made"), tr("Time spent online"), tr("Cost")});
    m_tableYear->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableYear->verticalHeader()->hide();
    m_tableYear->horizontalHeader()->setStretchLastSection(true);
    m_tableYear->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_comboYear, &QComboBox::activated, this,
            [this](int index) { ShowYear(m_comboYear->itemData(index).toInt()); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Year:"), this));
    top->addWidget(m_comboYear);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chart, 3);
    layout->addWidget(m_tableYear, 2);
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
    m_tableYear->setItem(12, 0, Cell(tr("Total of %1").arg(m_year).toStdString(), Qt::AlignLeft));
    m_tableYear->setItem(12, 1, Cell(std::to_string(figures.total.calls), Qt::AlignCenter));
    m_tableYear->setItem(12, 2, Cell(DurationText(figures.total.time), Qt::AlignCenter));
    m_tableYear->setItem(12, 3, Cell(ShownAmount(figures.total.cost), Qt::AlignRight));
    m_chart->SetBars(costs, names, current, Settings.MonthLimit, QString::number(m_year),
                     CSpendingChart::MonthTexts());
}
