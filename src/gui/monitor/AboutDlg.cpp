// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/AboutDlg.h"
#include "gui/monitor/Icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Corvellan"));
    setObjectName(QStringLiteral("aboutDlg"));
    auto* icon = new QLabel(this);
    icon->setPixmap(LoadIcon("corvellan").pixmap(32, 32));
    auto* version = new QLabel(tr("Corvellan Version %1").arg(QStringLiteral("1.0")), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(buttons, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
