#include "gui/app/QtPrompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

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

QMessageBox::StandardButton Run(QWidget* owner, const std::string& caption, const std::string& text,
                                PromptIcon icon, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text), buttons,
                    owner);
    // Users' own texts (warning messages) must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void QtPrompter::ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) {
    Run(m_owner, caption, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompter::AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) {
    return Run(m_owner, caption, text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

std::optional<std::string> QtPrompter::AskSaveFileName(const std::string& proposedName,
                                                       const std::string& defaultExtension,
                                                       const std::string& filter) {
    QFileDialog dialog(m_owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    dialog.setNameFilters(NameFilters(filter));
    // Saved copies and exports belong with the user's documents, not wherever the program started.
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(QString::fromStdString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
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
