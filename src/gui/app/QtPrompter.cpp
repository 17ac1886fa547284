// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <memory>

namespace {
QMessageBox::Icon ToQt(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox* MakeBox(QWidget* owner, const std::string& caption, const std::string& text, PromptIcon icon,
                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    auto* box = new QMessageBox(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                                buttons, owner);
    // Users' own texts (warning messages) must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultButton);
    return box;
}

QMessageBox::StandardButton Run(QWidget* owner, const std::string& caption, const std::string& text,
                                PromptIcon icon, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    std::unique_ptr<QMessageBox> box(MakeBox(owner, caption, text, icon, buttons, defaultButton));
    return static_cast<QMessageBox::StandardButton>(box->exec());
}
} // namespace

// A box asked for from inside a sheet belongs over the sheet, not over the window behind it.
QWidget* QtPrompter::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_owner;
}

void QtPrompter::ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) {
    if (m_ending)
        return;
    Run(Owner(), caption, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompter::ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) {
    if (m_ending)
        return;
    // Not modal and no nested loop: the caller (a timer tick) goes on while the user reads it.
    QMessageBox* box = MakeBox(m_owner, caption, text, icon, QMessageBox::Ok, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

bool QtPrompter::AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) {
    // A box closed because the program is ending answers No, whatever button it was closed with.
    const bool yes = !m_ending && Run(Owner(), caption, text, icon, QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::Yes) == QMessageBox::Yes;
    return yes && !m_ending;
}

std::optional<std::string> QtPrompter::AskSaveFileName(const std::string& proposedName,
                                                       const std::string& defaultExtension,
                                                       const std::string& filter) {
    if (m_ending)
        return std::nullopt;
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    dialog.setNameFilters(NameFilters(filter));
    // Saved copies and exports belong with the user's documents, not wherever the program started.
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(QString::fromStdString(proposedName));
    if (dialog.exec() != QDialog::Accepted || m_ending || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

QStringList QtPrompter::NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        if (label.isEmpty())
            continue;
        filters << (label.contains(QLatin1Char('('))
                        ? label
                        : label + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}
