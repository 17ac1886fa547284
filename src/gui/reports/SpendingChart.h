// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reports/MonthFigures.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

// Spending as bars, one a day of the month so far (today's in a colour of its own) or one a month
// of a year, with the limit as a dashed line and a legend below. Drawn with QPainter, so showing it
// costs no chart library; only a change of its figures or its size repaints it.
class CSpendingChart : public QWidget {
    Q_OBJECT
public:
    // The axis title and the legend's words.
    struct Texts {
        QString axis;
        QString earlier;
        QString highlighted;
        QString limit;
    };
    static Texts DayTexts();
    static Texts MonthTexts();

    explicit CSpendingChart(QWidget* parent = nullptr);

    // perDay: the cost of each day so far, today last; dayLimit 0 draws no line.
    void SetFigures(std::vector<double> perDay, double dayLimit, const QString& title);
    // values under labels; highlighted: the bar set apart (-1 none); limit 0 draws no line.
    void SetBars(std::vector<double> values, QStringList labels, int highlighted, double limit,
                 const QString& title, Texts texts);

    const std::vector<double>& PerDay() const { return m_perDay; }
    double DayLimit() const { return m_dayLimit; }
    const QStringList& Labels() const { return m_labels; }
    int Highlighted() const { return m_highlighted; }
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
    QStringList m_labels;
    int m_highlighted = -1;
    Texts m_texts = DayTexts();
    ChartScale m_scale;
};
