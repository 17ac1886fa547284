// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/HelpViewer.h"
#include "gui/app/Resources.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpViewer::CHelpViewer(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    InitCorvellanResources();
    setWindowTitle(tr("Corvellan Help"));
    setObjectName(QStringLiteral("helpViewer"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(560, 480);
}

void CHelpViewer::ShowTopic(unsigned long topic) {
    m_topic = topic;
    const QString page = QStringLiteral(":/help/%1.html").arg(topic);
    if (QFile::exists(page))
        m_browser->setSource(QUrl(QStringLiteral("qrc") + page));
    else
        m_browser->setPlainText(tr("There is no help topic %1.").arg(topic));
    show();
    raise();
    activateWindow();
}

QString CHelpViewer::CurrentText() const {
    return m_browser->toPlainText();
}
