#include "gui/reports/ChartPage.h"

#include "core/platform/Clock.h"
#include "core/platform/ProgramState.h"
#include "core/reports/MonthFigures.h"
#include "core/reports/ReportText.h"
#include "core/settings/Settings.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

CChartPage::CChartPage(const CCallArray& calls, Clock& clock, QWidget* parent)
    : QWidget(parent), m_chartView(new QChartView(this)), m_labelProjection(new QLabel(this)),
      m_calls(&calls), m_clock(clock) {
    setObjectName(QStringLiteral("CChartPage"));
    m_chartView->setObjectName(QStringLiteral("m_chartView"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_labelProjection->setObjectName(QStringLiteral("m_labelProjection"));
    m_labelProjection->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chartView, 1);
    layout->addWidget(m_labelProjection);
}

void CChartPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_bDrawn)
        OnInitDialog();
}

void CChartPage::OnInitDialog() {
    m_bDrawn = true;
    const CTime now = m_clock.Now();
    const std::vector<double> perDay = GetSpentPerDay(*m_calls, now);

    // Two stacked sets, each with one bar a day, so today's bar can have a colour of its own.
    auto* earlier = new QBarSet(tr("Earlier days"));
    auto* today = new QBarSet(tr("Today"));
    earlier->setColor(QColor(0x4a, 0x78, 0xb0));
    today->setColor(QColor(0xe0, 0x8a, 0x1e));
    QStringList days;
    for (std::size_t i = 0; i < perDay.size(); ++i) {
        const bool isToday = i + 1 == perDay.size();
        *earlier << (isToday ? 0.0 : perDay[i]);
        *today << (isToday ? perDay[i] : 0.0);
        days << QString::number(i + 1);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(earlier);
    bars->append(today);

    auto* chart = new QChart;
    chart->addSeries(bars);
    auto* dayAxis = new QBarCategoryAxis;
    dayAxis->append(days);
    dayAxis->setTitleText(tr("Day of the month"));
    // Up to 31 numbers side by side: a smaller type keeps every one of them readable.
    QFont dayFont = dayAxis->labelsFont();
    dayFont.setPointSizeF(dayFont.pointSizeF() * 0.8);
    dayAxis->setLabelsFont(dayFont);
    auto* moneyAxis = new QValueAxis;
    moneyAxis->setLabelFormat(
        QString::fromStdString(CurrencySymbol).replace(QLatin1Char('%'), QStringLiteral("%%")) +
        QStringLiteral("%.2f"));
    chart->addAxis(dayAxis, Qt::AlignBottom);
    chart->addAxis(moneyAxis, Qt::AlignLeft);
    bars->attachAxis(dayAxis);
    bars->attachAxis(moneyAxis);

    double top = *std::max_element(perDay.begin(), perDay.end());
    if (Settings.DayLimit != 0) {
        // The limit line spans the bars on a hidden axis of its own, bar i centred on i.
        auto* limit = new QLineSeries;
        limit->setName(tr("Day limit"));
        const double last = static_cast<double>(perDay.size()) - 0.5;
        limit->append(-0.5, Settings.DayLimit);
        limit->append(last, Settings.DayLimit);
        limit->setPen(QPen(QColor(0xc0, 0x30, 0x30), 2, Qt::DashLine));
        chart->addSeries(limit);
        auto* lineAxis = new QValueAxis;
        lineAxis->setRange(-0.5, last);
        lineAxis->setVisible(false);
        chart->addAxis(lineAxis, Qt::AlignBottom);
        limit->attachAxis(lineAxis);
        limit->attachAxis(moneyAxis);
        top = std::max(top, Settings.DayLimit);
    }
    moneyAxis->setRange(0, top > 0 ? top * 1.1 : 1.0);
    moneyAxis->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setTitle(QString::fromStdString(now.Format("%B %Y")));
    m_chartView->setChart(chart);
    m_labelProjection->setText(
        QString::fromStdString(BuildProjectionText(*m_calls, now, Settings.MonthLimit)));
}
