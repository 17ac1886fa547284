// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/GeneralPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QVBoxLayout>

CGeneralPage::CGeneralPage(Prompter& prompter, const Paths& paths, QWidget* parent)
    : CPreferencesPage(prompter, kHelpId, parent),
      m_autostart(paths, QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()),
      m_bStartAtLogin(m_autostart.IsEnabled()),
      m_checkStartAtLogin(new QCheckBox(tr("Start Corvellan when I log in"), this)) {
    m_checkStartAtLogin->setObjectName(QStringLiteral("StartAtLogin"));
    auto* note = new QLabel(tr("Corvellan then starts hidden in the notification area, or "
                               "shown when your desktop has none."),
                            this);
    note->setWordWrap(true);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(m_checkStartAtLogin);
    rows->addWidget(note);
    rows->addStretch();
}

bool CGeneralPage::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate)
        m_bStartAtLogin = m_checkStartAtLogin->isChecked();
    else
        m_checkStartAtLogin->setChecked(m_bStartAtLogin);
    return true;
}

void CGeneralPage::OnOK() {
    // A failure has been told; the other pages' values are kept all the same.
    m_autostart.Set(m_bStartAtLogin, m_prompter);
}
