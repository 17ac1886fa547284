// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/billing/BillingPeriod.h"

#include <QWidget>
#include <optional>

class CCallArray;
class Clock;
class CSpendingChart;
class QLabel;

// The Chart page: what each day of the month so far cost, today's bar set apart, the day limit as
// a line when one is set, and the month's projected bill below (of an ended month: every day, and
// what it cost). Drawn when first shown.
class CChartPage : public QWidget {
    Q_OBJECT
public:
    CChartPage(const CCallArray& calls, Clock& clock, QWidget* parent = nullptr);

    void SetCalls(const CCallArray& calls) { m_calls = &calls; }
    // Another month to draw (none: this one), drawn again at once if it was drawn.
    void SetMonth(const CCallArray& calls, std::optional<CBillingPeriod> past);

    CSpendingChart* m_chart;
    QLabel* m_labelProjection;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();

    const CCallArray* m_calls;
    std::optional<CBillingPeriod> m_past;
    Clock& m_clock;
    bool m_bDrawn = false;
};
