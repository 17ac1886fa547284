// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/HelpViewer.h"
#include "gui/app/Resources.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpViewer::CHelpViewer(const QString& language, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)), m_back(new QPushButton(tr("&Back"), this)),
      m_forward(new QPushButton(tr("&Forward"), this)), m_language(language) {
    InitCorvellanResources();
    setWindowTitle(tr("Corvellan Help"));
    setObjectName(QStringLiteral("helpViewer"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    auto* contents = new QPushButton(tr("&Contents"), this);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_forward->setObjectName(QStringLiteral("helpForward"));
    contents->setObjectName(QStringLiteral("helpContents"));
    const std::pair<QPushButton*, QKeySequence> keys[] = {{m_back, QKeySequence::Back},
                                                          {m_forward, QKeySequence::Forward},
                                                          {contents, QKeySequence(Qt::ALT | Qt::Key_Home)}};
    for (const auto& [button, key] : keys) {
        button->setAutoDefault(false);
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        button->setToolTip(key.toString(QKeySequence::NativeText));
    }
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kContents); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(m_back);
    navigation->addWidget(m_forward);
    navigation->addWidget(contents);
    navigation->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(560, 480);
}

void CHelpViewer::ShowTopic(unsigned long topic) {
    m_topic = topic;
    QString page = QStringLiteral(":/help/%1/%2.html").arg(m_language).arg(topic);
    // A topic not yet translated is better read in English than missed.
    if (m_language.isEmpty() || !QFile::exists(page))
        page = QStringLiteral(":/help/%1.html").arg(topic);
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
