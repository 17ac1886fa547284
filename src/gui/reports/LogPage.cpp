// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/LogPage.h"

#include "core/billing/CallArray.h"
#include "core/billing/Money.h"
#include "core/platform/Clock.h"
#include "core/platform/ProgramState.h"
#include "core/platform/Prompter.h"
#include "core/reports/CallListText.h"
#include "core/reports/CallsCsv.h"
#include "gui/app/LabelBuddy.h"
#include "gui/reports/CallListModel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const char* const kClearQuestion = QT_TRANSLATE_NOOP(
    "CLogPage",
    "WARNING: It is highly unrecommended to clear the call log for the current month, since you will then "
    "lose all information about the calls you have made and their total cost. Are you sure you want to do "
    "this ?");

QLineEdit* MakeTotal(QWidget* parent, const char* name, Qt::Alignment alignment) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(alignment);
    return edit;
}

QFrame* MakeLine(QWidget* parent, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

CLogPage::CLogPage(const CCallArray& calls, Clock& clock, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_calls(&calls), m_clock(clock), m_prompter(prompter),
      m_model(new CCallListModel(calls, this)) {
    setObjectName(QStringLiteral("CLogPage"));
    BuildLayout();
    connect(m_ctlClearLog, &QPushButton::clicked, this, &CLogPage::OnClearLog);
    connect(m_btnExportCsv, &QPushButton::clicked, this, &CLogPage::OnExportCsv);
    OnInitDialog();
}

void CLogPage::BuildLayout() {
    m_ctlCallList = new QTableView(this);
    m_ctlCallList->setObjectName(QStringLiteral("m_ctlCallList"));
    m_ctlCallList->setModel(m_model);
    m_ctlCallList->setAccessibleName(tr("Calls of the month"));
    m_ctlCallList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ctlCallList->setShowGrid(false);
    m_ctlCallList->setWordWrap(false);
    m_ctlCallList->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing is measured row by row, whatever the month holds.
    m_ctlCallList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ctlCallList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_ctlCallList->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_ctlCallList->horizontalHeader()->setStretchLastSection(true);
    SetColumnWidths();

    m_ctlClearLog = new QPushButton(tr("C&lear Log ..."), this);
    m_ctlClearLog->setObjectName(QStringLiteral("m_ctlClearLog"));
    m_btnExportCsv = new QPushButton(tr("Export CSV..."), this);
    m_btnExportCsv->setObjectName(QStringLiteral("m_btnExportCsv"));
    for (QPushButton* button : {m_ctlClearLog, m_btnExportCsv})
        button->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ctlClearLog);
    buttons->addWidget(m_btnExportCsv);
    buttons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(m_ctlCallList, 1);
    list->addLayout(buttons);

    m_editTotalCalls = MakeTotal(this, "m_editTotalCalls", Qt::AlignCenter);
    m_editTimeOnline = MakeTotal(this, "m_editTimeOnline", Qt::AlignCenter);
    m_editTotalCost = MakeTotal(this, "m_editTotalCost", Qt::AlignLeft);
    // Three boxed columns under the list, each a label over its figure.
    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(6);
    const std::pair<QString, QLineEdit*> columns[] = {{tr("&Total calls made:"), m_editTotalCalls},
                                                      {tr("Time s&pent online:"), m_editTimeOnline},
                                                      {tr("Total co&st:"), m_editTotalCost}};
    totals->addWidget(MakeLine(this, QFrame::VLine), 0, 0, 2, 1);
    int column = 1;
    for (const auto& [text, edit] : columns) {
        totals->addWidget(JoinLabel(new QLabel(text, this), edit), 0, column);
        totals->addWidget(edit, 1, column);
        totals->addWidget(MakeLine(this, QFrame::VLine), 0, column + 1, 2, 1);
        column += 2;
    }
    totals->addWidget(MakeLine(this, QFrame::HLine), 2, 0, 1, column);

    auto* page = new QVBoxLayout(this);
    m_labelHeading = new QLabel(tr("List of calls made during this month (in chronological order) :"), this);
    m_labelHeading->setObjectName(QStringLiteral("m_labelHeading"));
    m_labelHeading->setTextFormat(Qt::PlainText);
    m_labelHeading->setWordWrap(true);
    page->addWidget(m_labelHeading);
    page->addLayout(list, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(totals);
    bottom->addStretch();
    page->addLayout(bottom);
}

// The classic widths, or wider where this font needs it for the heading or the first row; only
// one row is measured, so a long month costs nothing here.
void CLogPage::SetColumnWidths() {
    const int widths[] = {107, 100, 70};
    const int padding = 16;
    const QFontMetrics metrics = m_ctlCallList->fontMetrics();
    for (int column = 0; column < 3; ++column) {
        int text = metrics.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString());
        if (m_model->rowCount() > 0)
            text = std::max(text, metrics.horizontalAdvance(m_model->index(0, column).data().toString()));
        m_ctlCallList->setColumnWidth(column, std::max(widths[column], text + padding));
    }
}

void CLogPage::ShowMonth(const CCallArray& calls, const QString& heading,
                         std::optional<CBillingPeriod> past) {
    m_calls = &calls;
    m_past = past;
    m_model->SetCalls(calls);
    m_labelHeading->setText(heading);
    m_ctlClearLog->setEnabled(true);
    m_btnExportCsv->setEnabled(true);
    OnInitDialog();
    if (past)
        m_ctlClearLog->setEnabled(false);
}

void CLogPage::OnInitDialog() {
    if (m_calls->GetSize() == 0) {
        ShowEmptyTotals();
        return;
    }
    const CallListTotals totals = BuildCallListTotals(*m_calls);
    m_nTotalCalls = totals.callCount;
    m_strTimeOnline = QString::fromStdString(totals.totalTime);
    m_strTotalCost = QString::fromStdString(totals.totalCost);
    DoDataExchange(false);
}

void CLogPage::ShowEmptyTotals() {
    m_nTotalCalls = 0;
    m_strTimeOnline = QStringLiteral("00:00:00");
    m_strTotalCost = QString::fromStdString(ShownAmount(0.0));
    m_ctlClearLog->setEnabled(false);
    m_btnExportCsv->setEnabled(false);
    DoDataExchange(false);
}

void CLogPage::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate)
        return;
    m_editTotalCalls->setText(QString::number(m_nTotalCalls));
    m_editTimeOnline->setText(m_strTimeOnline);
    m_editTotalCost->setText(m_strTotalCost);
}

void CLogPage::OnClearLog() {
    if (!m_prompter.AskYesNo(tr("Clear Call Log ?").toStdString(), tr(kClearQuestion).toStdString(),
                             PromptIcon::Exclamation))
        return;
    m_model->Clear();
    ShowEmptyTotals();
    emit logCleared();
}

void CLogPage::OnExportCsv() {
    // The file is named after the month shown.
    ExportCallsCsv(*m_calls, m_past ? m_past->Start() : m_clock.Now(), m_prompter);
}
