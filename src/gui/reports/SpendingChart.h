// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reports/MonthFigures.h"

#include <QString>
#include <QWidget>
#include <vector>

// The month's spending as bars, one a day from the 1st to today (today's in a colour of its own),
// with the day limit as a dashed line and a legend below. Drawn with QPainter, so showing it costs
// no chart library; only a change of its figures or its size repaints it.
class CSpendingChart : public QWidget {
    Q_OBJECT
public:
    explicit CSpendingChart(QWidget* parent = nullptr);

    // perDay: the cost of each day so far, today last; dayLimit 0 draws no line.
    void SetFigures(std::vector<double> perDay, double dayLimit, const QString& title);

    const std::vector<double>& PerDay() const { return m_perDay; }
    double DayLimit() const { return m_dayLimit; }
    const ChartScale& Scale() const { return m_scale; }

    static const QColor kEarlierColour;
    static const QColor kTodayColour;
    static const QColor kLimitColour;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString MoneyLabel(double amount) const;

    std::vector<double> m_perDay;
    double m_dayLimit = 0.0;
    QString m_title;
    ChartScale m_scale;
};
