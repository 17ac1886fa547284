// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/Icons.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/monitor/ValueField.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

// The window's controls and their arrangement: three groups on the left, six icon buttons with
// their labels on the right.
namespace {

// The window's values: see CValueField.
CValueField* MakeField(QWidget* parent, const char* name) {
    auto* field = new CValueField(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QProgressBar* MakeBar(QWidget* parent, const char* name) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setTextVisible(false);
    bar->setRange(0, 1);
    bar->setValue(0);
    bar->setMaximumHeight(14);
    return bar;
}

QPushButton* MakeIconButton(QWidget* parent, const char* name, const char* icon, int size) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(LoadIcon(icon));
    button->setIconSize(QSize(size, size));
    button->setFixedSize(size + 12, size + 12);
    button->setAutoDefault(false);
    return button;
}

// A command's row is one control: a click on its label is a click on its button.
class RowClicks : public QObject {
public:
    using QObject::QObject;
    void Join(QWidget* label, QAbstractButton* button) {
        m_buttons[label] = button;
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* release = static_cast<QMouseEvent*>(event);
            QAbstractButton* button = m_buttons.value(watched);
            if (button && button->isEnabled() && release->button() == Qt::LeftButton &&
                static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint())) {
                button->click();
                return true;
            }
        }
        return false;
    }

private:
    QHash<QObject*, QAbstractButton*> m_buttons;
};
} // namespace

void CMonitorDlg::BuildLayout() {
    m_editStartTime = MakeField(this, "m_editStartTime");
    m_editPrice = MakeField(this, "m_editPrice");
    m_editCallCost = MakeField(this, "m_editCallCost");
    m_editTimeOnline = MakeField(this, "m_editTimeOnline");
    m_editSpentToday = MakeField(this, "m_editSpentToday");
    m_editSpentMonth = MakeField(this, "m_editSpentMonth");
    m_editStartStopLabel = MakeField(this, "m_editStartStopLabel");
    m_editStartStopLabel->SetIsLabel(); // of the start button, which it names
    m_progressCall = MakeBar(this, "m_progressCall");
    m_progressToday = MakeBar(this, "m_progressToday");
    m_progressMonth = MakeBar(this, "m_progressMonth");

    auto* call = new QGroupBox(tr("This Call"), this);
    auto* callGrid = new QGridLayout(call);
    callGrid->addWidget(new QLabel(tr("Start Time:"), call), 0, 0);
    callGrid->addWidget(m_editStartTime, 0, 1);
    callGrid->addWidget(new QLabel(tr("Price:"), call), 1, 0);
    callGrid->addWidget(m_editPrice, 1, 1);
    callGrid->addWidget(new QLabel(tr("Total call cost:"), call), 2, 0);
    callGrid->addWidget(m_editCallCost, 2, 1);
    callGrid->addWidget(new QLabel(tr("Time online:"), call), 3, 0);
    callGrid->addWidget(m_editTimeOnline, 3, 1);
    callGrid->addWidget(m_progressCall, 4, 0, 1, 2);

    auto* today = new QGroupBox(tr("Today"), this);
    auto* todayGrid = new QGridLayout(today);
    todayGrid->addWidget(new QLabel(tr("Spent today:"), today), 0, 0);
    todayGrid->addWidget(m_editSpentToday, 0, 1);
    todayGrid->addWidget(m_progressToday, 1, 0, 1, 2);

    auto* month = new QGroupBox(tr("This Month"), this);
    auto* monthGrid = new QGridLayout(month);
    monthGrid->addWidget(new QLabel(tr("Spent this month:"), month), 0, 0);
    monthGrid->addWidget(m_editSpentMonth, 0, 1);
    monthGrid->addWidget(m_progressMonth, 1, 0, 1, 2);

    // One label column for all three groups, so the amounts line up.
    const int labelWidth = fontMetrics().horizontalAdvance(tr("Spent this month:")) + 8;
    for (QGridLayout* grid : {callGrid, todayGrid, monthGrid})
        grid->setColumnMinimumWidth(0, labelWidth);

    auto* left = new QVBoxLayout;
    left->addWidget(call);
    left->addWidget(today);
    left->addWidget(month);
    left->addStretch();

    m_btnStartStop = MakeIconButton(this, "m_btnStartStop", "call-stopped", 40);
    m_btnHide = MakeIconButton(this, "m_btnHide", "hide", 24);
    m_btnCustomize = MakeIconButton(this, "m_btnCustomize", "customize", 24);
    m_btnLogs = MakeIconButton(this, "m_btnLogs", "logs", 24);
    m_btnHelp = MakeIconButton(this, "m_btnHelp", "help", 24);
    m_btnExit = MakeIconButton(this, "m_btnExit", "exit", 24);
    // The hide button's own text is "&Minimize": it shows only its icon, so its mnemonic is given
    // by hand. Enter hides the window too (see keyPressEvent).
    m_btnHide->setShortcut(QKeySequence::mnemonic(tr("&Minimize")));
    m_btnStartStop->setToolTip(tr("Start or stop the call timer"));

    // Room for the longer of the timer's two captions, whatever the language makes of them.
    const QFontMetrics captions = m_editStartStopLabel->fontMetrics();
    m_editStartStopLabel->setMinimumWidth(std::max(captions.horizontalAdvance(tr("START Timer")),
                                                   captions.horizontalAdvance(tr("STOP Timer"))) +
                                          4);

    auto* right = new QGridLayout;
    right->addWidget(m_btnStartStop, 0, 0, Qt::AlignCenter);
    right->addWidget(m_editStartStopLabel, 0, 1);
    auto* rowClicks = new RowClicks(this);
    rowClicks->Join(m_editStartStopLabel, m_btnStartStop);
    const std::pair<QPushButton*, QString> rows[] = {{m_btnHide, tr("Hide Window")},
                                                     {m_btnCustomize, tr("&Customize ...")},
                                                     {m_btnLogs, tr("&Logs and Reports")},
                                                     {m_btnHelp, tr("&Help Contents...")},
                                                     {m_btnExit, tr("E&xit Corvellan")}};
    int row = 1;
    for (const auto& [button, text] : rows) {
        auto* label = new QLabel(text, this);
        label->setBuddy(button); // its mnemonic clicks the button
        rowClicks->Join(label, button);
        right->addWidget(button, row, 0, Qt::AlignCenter);
        right->addWidget(label, row, 1);
        const QString plain = QString(text).remove(QLatin1Char('&'));
        button->setToolTip(plain);
        button->setAccessibleName(plain);
        ++row;
    }
    m_btnHide->setAccessibleDescription(tr("Minimize: Corvellan goes on in the notification area"));
    const std::pair<QWidget*, QString> names[] = {
        {m_editStartTime, tr("Start time")},
        {m_editPrice, tr("Price per minute")},
        {m_editCallCost, tr("Total call cost")},
        {m_editTimeOnline, tr("Time online")},
        {m_editSpentToday, tr("Spent today")},
        {m_editSpentMonth, tr("Spent this month")},
        {m_progressCall, tr("This call against the call limit")},
        {m_progressToday, tr("Today against the day limit")},
        {m_progressMonth, tr("This month against the month limit")}};
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
    right->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    // Never narrower than its texts need, in whatever language: a small screen or a scale of 2 would
    // otherwise squeeze the window to its minimum and cut the captions and amounts off.
    setMinimumWidth(std::max(420, sizeHint().width()));
}
