// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/Icons.h"
#include "gui/monitor/MonitorDlg.h"
#include "gui/monitor/ValueField.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

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

} // namespace

void CMonitorDlg::BuildLayout() {
    m_editStartTime = MakeField(this, "m_editStartTime");
    m_editPrice = MakeField(this, "m_editPrice");
    m_editCallCost = MakeField(this, "m_editCallCost");
    m_editTimeOnline = MakeField(this, "m_editTimeOnline");
    m_editSpentToday = MakeField(this, "m_editSpentToday");
    m_editSpentMonth = MakeField(this, "m_editSpentMonth");
    m_editStartStopLabel = MakeField(this, "m_editStartStopLabel");
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
    m_btnHide->setAccessibleName(tr("Minimize"));
    m_btnHide->setDefault(true); // Enter hides the window
    m_btnStartStop->setToolTip(tr("Start or stop the call timer"));

    auto* right = new QGridLayout;
    right->addWidget(m_btnStartStop, 0, 0, Qt::AlignCenter);
    right->addWidget(m_editStartStopLabel, 0, 1);
    const std::pair<QPushButton*, QString> rows[] = {{m_btnHide, tr("Hide Window")},
                                                     {m_btnCustomize, tr("Customize ...")},
                                                     {m_btnLogs, tr("Logs and Reports")},
                                                     {m_btnHelp, tr("Help Contents...")},
                                                     {m_btnExit, tr("Exit Corvellan")}};
    int row = 1;
    for (const auto& [button, text] : rows) {
        auto* label = new QLabel(text, this);
        label->setBuddy(button);
        right->addWidget(button, row, 0, Qt::AlignCenter);
        right->addWidget(label, row, 1);
        button->setToolTip(text);
        ++row;
    }
    right->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    setMinimumWidth(420);
}
