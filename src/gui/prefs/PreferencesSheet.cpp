// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/PreferencesSheet.h"

#include "core/platform/Paths.h"
#include "core/settings/Settings.h"
#include "gui/prefs/BillingPage.h"
#include "gui/prefs/ConnectionPage.h"
#include "gui/prefs/GeneralPage.h"
#include "gui/prefs/LimitsPage.h"
#include "gui/prefs/MessagesPage.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

CPreferencesSheet::CPreferencesSheet(Prompter& prompter, QWidget* parent)
    : CPreferencesSheet(prompter, Paths::FromEnvironment(), parent) {}

CPreferencesSheet::CPreferencesSheet(Prompter& prompter, const Paths& paths, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_billing(new CBillingPage(prompter)), m_limits(new CLimitsPage(prompter)),
      m_messages(new CMessagesPage(prompter)), m_general(new CGeneralPage(prompter, paths)),
      m_connection(new CConnectionPage(prompter)), m_pages{m_billing, m_limits, m_messages, m_general,
                                                           m_connection} {
    setObjectName(QStringLiteral("CPreferencesSheet"));
    setWindowTitle(tr("Preferences"));
    m_tabs->addTab(m_billing, tr("Billing System"));
    m_tabs->addTab(m_limits, tr("Time Limits"));
    m_tabs->addTab(m_messages, tr("Messages"));
    m_tabs->addTab(m_general, tr("General"));
    m_tabs->addTab(m_connection, tr("Connection"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPreferencesSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CPreferencesSheet::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPreferencesSheet::OnCurrentChanged);
    m_billing->OnSetActive();
}

void CPreferencesSheet::ShowPage(int index) {
    const QScopedValueRollback guard(m_bSwitching, true);
    m_tabs->setCurrentIndex(index);
    m_current = index;
}

void CPreferencesSheet::OnCurrentChanged(int index) {
    if (m_bSwitching || index < 0)
        return;
    // The page being left checks its values first; while one is refused the user stays there.
    const int leaving = m_current;
    ShowPage(leaving);
    if (!m_pages[leaving]->DoDataExchange(true))
        return;
    ShowPage(index);
    m_pages[index]->OnSetActive();
}

void CPreferencesSheet::accept() {
    // The other pages shown were checked when the user left them.
    if (!m_pages[m_current]->DoDataExchange(true))
        return;
    for (CPreferencesPage* page : m_pages) {
        if (page->WasShown())
            page->OnOK();
    }
    SettingsChanged = true;
    ApplyCurrencySymbol();
    QDialog::accept();
}

void CPreferencesSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(m_pages[m_current]->HelpId());
        return;
    }
    QDialog::keyPressEvent(event);
}
