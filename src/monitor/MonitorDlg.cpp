#include "monitor/MonitorDlg.h"

#include <QPushButton>
#include <QVBoxLayout>

CMonitorDlg::CMonitorDlg(QWidget* parent, bool firstRun, const Paths& paths, Prompter& prompter, Clock& clock)
    : QDialog(parent), m_btnExit(new QPushButton(tr("Exit Corvellan"), this)), m_paths(paths),
      m_prompter(prompter), m_clock(clock), m_bFirstRun(firstRun) {
    setWindowTitle(QStringLiteral("Corvellan"));
    m_btnExit->setObjectName(QStringLiteral("m_btnExit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_btnExit);
    connect(m_btnExit, &QPushButton::clicked, this, &CMonitorDlg::OnExit);
}

void CMonitorDlg::OnExit() {
    accept();
}

void CMonitorDlg::reject() {}
