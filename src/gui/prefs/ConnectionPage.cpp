// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/prefs/ConnectionPage.h"

#include "core/platform/Netlink.h"
#include "core/platform/Prompter.h"
#include "core/settings/Settings.h"
#include "gui/app/LabelBuddy.h"
#include "gui/system/LinkWatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CConnectionPage::CConnectionPage(Prompter& prompter, QWidget* parent)
    : CPreferencesPage(prompter, kHelpId, parent), CConnectionFields(Settings),
      m_checkFollow(
          new QCheckBox(tr("Start and stop the timer when this network link goes up and down"), this)),
      m_comboInterface(new QComboBox(this)), m_watcher(new CLinkWatcher(nullptr, this)) {
    m_checkFollow->setObjectName(QStringLiteral("FollowLink"));
    m_comboInterface->setObjectName(QStringLiteral("Interface"));
    m_comboInterface->setEditable(true);
    m_comboInterface->setInsertPolicy(QComboBox::NoInsert);
    m_comboInterface->lineEdit()->setMaxLength(15); // the longest name the kernel gives a link
    auto* note = new QLabel(tr("&Pick the link of your modem, or type its name if it is not there yet: "
                               "ppp0 exists only while you are connected."),
                            this);
    note->setWordWrap(true);
    // The note is the list's label; the list is named for what it holds.
    m_comboInterface->setAccessibleName(tr("Network link"));
    JoinLabel(note, m_comboInterface);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(m_checkFollow);
    rows->addWidget(m_comboInterface);
    rows->addWidget(note);
    rows->addStretch();
    connect(m_watcher, &CLinkWatcher::linksChanged, this, &CConnectionPage::FillLinks);
}

void CConnectionPage::FillLinks() {
    QStringList names;
    for (const std::string& name : LinkChoices(CNetlink::LinkNames()))
        names << QString::fromStdString(name);
    QStringList shown;
    for (int i = 0; i < m_comboInterface->count(); ++i)
        shown << m_comboInterface->itemText(i);
    if (names == shown)
        return;
    // What the user typed stays as it is.
    const QString typed = m_comboInterface->currentText();
    m_comboInterface->clear();
    m_comboInterface->addItems(names);
    m_comboInterface->setEditText(typed);
}

bool CConnectionPage::DoDataExchange(bool saveAndValidate) {
    if (!saveAndValidate) {
        m_checkFollow->setChecked(FollowLink);
        FillLinks();
        m_comboInterface->setEditText(QString::fromStdString(Interface));
        // From its first showing until the sheet closes, the list follows the links.
        m_watcher->Listen();
        return true;
    }
    FollowLink = m_checkFollow->isChecked();
    Interface = m_comboInterface->currentText().trimmed().toStdString();
    const std::optional<std::string> refusal = Check();
    if (!refusal)
        return true;
    Refuse(m_comboInterface, *refusal);
    m_comboInterface->lineEdit()->selectAll();
    return false;
}

void CConnectionPage::OnOK() {
    CopyTo(Settings);
}
