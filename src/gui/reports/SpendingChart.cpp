// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/SpendingChart.h"

#include "core/billing/Money.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

const QColor CSpendingChart::kEarlierColour(0x4a, 0x78, 0xb0);
const QColor CSpendingChart::kTodayColour(0xe0, 0x8a, 0x1e);
const QColor CSpendingChart::kLimitColour(0xc0, 0x30, 0x30);

namespace {
constexpr int kGap = 6;           // between the parts of the chart, in pixels
constexpr int kTick = 4;          // the little marks on the axes
constexpr double kBarShare = 0.6; // of each day's slot

// One entry of the legend: a swatch and its text.
int DrawLegendEntry(QPainter& painter, int x, int y, int height, const QColor& colour, const QString& text,
                    bool dashed, const QColor& ink) {
    const int swatch = height * 2 / 3;
    if (dashed) {
        painter.setPen(QPen(colour, 2, Qt::DashLine));
        painter.drawLine(x, y + height / 2, x + swatch * 2, y + height / 2);
        x += swatch * 2;
    } else {
        painter.fillRect(x, y + (height - swatch) / 2, swatch, swatch, colour);
        x += swatch;
    }
    x += kGap / 2;
    painter.setPen(ink);
    painter.drawText(QRect(x, y, painter.fontMetrics().horizontalAdvance(text), height), Qt::AlignVCenter,
                     text);
    return x + painter.fontMetrics().horizontalAdvance(text) + kGap * 3;
}
} // namespace

CSpendingChart::CSpendingChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("m_chart"));
    // Everything is painted here, the background included: nothing behind it needs repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

CSpendingChart::Texts CSpendingChart::DayTexts() {
    return {tr("Day of the month"), tr("Earlier days"), tr("Today"), tr("Day limit")};
}

CSpendingChart::Texts CSpendingChart::MonthTexts() {
    return {tr("Month the billing period starts in"), tr("Months"), tr("This month"), tr("Month limit")};
}

void CSpendingChart::SetFigures(std::vector<double> perDay, double dayLimit, const QString& title) {
    QStringList labels;
    for (std::size_t i = 1; i <= perDay.size(); ++i)
        labels << QString::number(i);
    const int today = static_cast<int>(perDay.size()) - 1;
    SetBars(std::move(perDay), labels, today, dayLimit, title, DayTexts());
}

void CSpendingChart::SetBars(std::vector<double> values, QStringList labels, int highlighted, double limit,
                             const QString& title, Texts texts) {
    m_perDay = std::move(values);
    m_labels = std::move(labels);
    m_highlighted = highlighted;
    m_texts = std::move(texts);
    m_dayLimit = limit;
    m_title = title;
    double highest = limit;
    for (double day : m_perDay)
        highest = std::max(highest, day);
    m_scale = ScaleFor(highest);
    update();
}

QSize CSpendingChart::sizeHint() const {
    return {560, 320};
}

QSize CSpendingChart::minimumSizeHint() const {
    return {240, 160};
}

QString CSpendingChart::MoneyLabel(double amount) const {
    return QString::fromStdString(ShownAmount(amount));
}

void CSpendingChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Window));
    const QRect frame = rect().adjusted(kGap, kGap, -kGap, -kGap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath rounded;
    rounded.addRoundedRect(frame, 5, 5);
    painter.fillPath(rounded, colours.color(QPalette::Base));
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QFontMetrics text = painter.fontMetrics();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8); // up to 31 day numbers side by side
    const QFontMetrics smallText(small);
    const QColor ink = colours.color(QPalette::Text);
    const QColor grid = colours.color(QPalette::Mid);

    // Top to bottom: the title, the plot, the day numbers, the axis title, the legend.
    int top = frame.top() + kGap;
    painter.setPen(ink);
    painter.drawText(QRect(frame.left(), top, frame.width(), text.height()), Qt::AlignHCenter, m_title);
    top += text.height() + kGap;
    const int legendHeight = text.height();
    const int bottom =
        frame.bottom() - kGap - legendHeight - kGap - text.height() - smallText.height() - kTick;
    int labelWidth = 0;
    for (int i = 0; i <= m_scale.Steps(); ++i)
        labelWidth = std::max(labelWidth, text.horizontalAdvance(MoneyLabel(i * m_scale.step)));
    const QRect plot(QPoint(frame.left() + kGap + labelWidth + kGap / 2 + kTick, top + text.height() / 2),
                     QPoint(frame.right() - kGap * 2, bottom));
    if (plot.width() < 10 || plot.height() < 10)
        return;
    const auto Y = [&](double amount) {
        return plot.bottom() - static_cast<int>(amount / m_scale.top * plot.height() + 0.5);
    };

    // The money axis: a grid line and a label at each step.
    for (int i = 0; i <= m_scale.Steps(); ++i) {
        const int y = Y(i * m_scale.step);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(ink);
        painter.drawLine(plot.left() - kTick, y, plot.left(), y);
        painter.drawText(QRect(frame.left() + kGap, y - text.height() / 2, labelWidth, text.height()),
                         Qt::AlignRight | Qt::AlignVCenter, MoneyLabel(i * m_scale.step));
    }

    // The days: a bar each, today's last and in its own colour, the day's number under its slot.
    const int days = static_cast<int>(m_perDay.size());
    const double slot = days > 0 ? static_cast<double>(plot.width()) / days : plot.width();
    painter.setFont(small);
    for (int i = 0; i < days; ++i) {
        const double centre = plot.left() + slot * (i + 0.5);
        const int width = std::max(1, static_cast<int>(slot * kBarShare));
        const int x = static_cast<int>(centre - width / 2.0);
        const int y = Y(m_perDay[static_cast<std::size_t>(i)]);
        if (y < plot.bottom())
            painter.fillRect(QRect(QPoint(x, y), QPoint(x + width - 1, plot.bottom() - 1)),
                             i == m_highlighted ? kTodayColour : kEarlierColour);
        painter.setPen(ink);
        painter.drawText(QRect(static_cast<int>(centre - slot / 2), plot.bottom() + kTick,
                               static_cast<int>(slot), smallText.height()),
                         Qt::AlignHCenter | Qt::AlignTop, m_labels.value(i));
    }
    painter.setFont(font());
    painter.setPen(ink);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    if (m_dayLimit > 0) {
        painter.setPen(QPen(kLimitColour, 2, Qt::DashLine));
        painter.drawLine(plot.left(), Y(m_dayLimit), plot.right(), Y(m_dayLimit));
    }

    int y = plot.bottom() + kTick + smallText.height();
    small.setBold(true);
    painter.setFont(small);
    painter.setPen(ink);
    painter.drawText(QRect(plot.left(), y, plot.width(), text.height()), Qt::AlignHCenter, m_texts.axis);
    painter.setFont(font());
    y = frame.bottom() - kGap - legendHeight;
    const QString &earlier = m_texts.earlier, &today = m_texts.highlighted, &limit = m_texts.limit;
    const bool highlighted = m_highlighted >= 0 && m_highlighted < days;
    const int swatch = legendHeight * 2 / 3;
    int width = swatch + text.horizontalAdvance(earlier) + kGap * 3 + kGap / 2;
    if (highlighted)
        width += swatch + text.horizontalAdvance(today) + kGap * 3 + kGap / 2;
    if (m_dayLimit > 0)
        width += swatch * 2 + text.horizontalAdvance(limit) + kGap * 3 + kGap / 2;
    int x = frame.left() + (frame.width() - width) / 2;
    x = DrawLegendEntry(painter, x, y, legendHeight, kEarlierColour, earlier, false, ink);
    if (highlighted)
        x = DrawLegendEntry(painter, x, y, legendHeight, kTodayColour, today, false, ink);
    if (m_dayLimit > 0)
        DrawLegendEntry(painter, x, y, legendHeight, kLimitColour, limit, true, ink);
}
