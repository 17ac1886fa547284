// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reports/MonthList.h"

#include <QWidget>
#include <vector>

class CSpendingChart;
class QComboBox;
class QLabel;
class QTableWidget;

// The Year page: the twelve billing periods that start in the months of a year as bars of their
// cost, this month's set apart and the month limit as a line, under them each period's calls,
// online time and cost, and the year's totals. Drawn when first shown.
class CYearPage : public QWidget {
    Q_OBJECT
public:
    // This month's calls and the months of the history; their figures are made when first drawn.
    CYearPage(const CCallArray& calls, const CBillingPeriod& current, std::vector<PastMonth> history,
              unsigned startDay, QWidget* parent = nullptr);

    // The year to show (that of the month chosen on the sheet).
    void ShowYear(int year);
    int Year() const { return m_year; }

    QComboBox* m_comboYear;
    CSpendingChart* m_chart;
    QTableWidget* m_tableYear;
    QLabel* m_labelTotal;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Draw();

    const CCallArray& m_calls;
    CBillingPeriod m_current;
    std::vector<PastMonth> m_history;
    std::vector<MonthRow> m_rows;
    unsigned m_startDay;
    int m_year = 0;
    bool m_bDrawn = false;
};
