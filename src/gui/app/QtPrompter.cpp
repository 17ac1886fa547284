// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
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

void QtPrompter::ShowMessageBeside(const std::string& caption, const std::string& text, PromptIcon icon,
                                   const ScreenRect& keepClear) {
    if (m_ending)
        return;
    std::unique_ptr<QMessageBox> box(MakeBox(Owner(), caption, text, icon, QMessageBox::Ok, QMessageBox::Ok));
    const QRect clear(keepClear.x, keepClear.y, keepClear.width, keepClear.height);
    // The box knows its size only once shown; it moves as soon as its loop runs.
    QTimer::singleShot(0, box.get(), [raw = box.get(), clear] {
        const QScreen* screen = QGuiApplication::screenAt(clear.center());
        if (screen == nullptr)
            screen = raw->screen();
        raw->move(PlaceBeside(raw->frameGeometry().size(), clear, screen->availableGeometry()).topLeft());
    });
    box->exec();
}

void QtPrompter::ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) {
    if (m_ending)
        return;
    // A link that flaps while Calls.log cannot be written would otherwise bury the window under
    // copies of one message: the one still open comes to the front instead.
    std::erase_if(m_notices, [](const QPointer<QMessageBox>& open) { return open.isNull(); });
    const QString title = QString::fromStdString(caption), said = QString::fromStdString(text);
    for (const QPointer<QMessageBox>& open : m_notices)
        if (open->isVisible() && open->icon() == ToQt(icon) && open->windowTitle() == title &&
            open->text() == said) {
            open->raise();
            return;
        }
    // Not modal and no nested loop: the caller (a timer tick) goes on while the user reads it.
    QMessageBox* box = MakeBox(m_owner, caption, text, icon, QMessageBox::Ok, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    m_notices.emplace_back(box);
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

ScreenRect QtPrompter::ScreenRectOf(const QWidget* widget) {
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return {topLeft.x(), topLeft.y(), widget->width(), widget->height()};
}

QRect QtPrompter::PlaceBeside(QSize box, const QRect& keepClear, const QRect& screen) {
    const int gap = 8;
    auto inside = [&](QPoint topLeft) {
        const int x =
            std::clamp(topLeft.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - box.width()));
        const int y =
            std::clamp(topLeft.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - box.height()));
        return QRect(QPoint(x, y), box);
    };
    const QRect candidates[] = {inside({keepClear.left(), keepClear.bottom() + 1 + gap}),
                                inside({keepClear.left(), keepClear.top() - gap - box.height()}),
                                inside({keepClear.right() + 1 + gap, keepClear.top()}),
                                inside({keepClear.left() - gap - box.width(), keepClear.top()})};
    for (const QRect& place : candidates) {
        if (!place.intersects(keepClear))
            return place;
    }
    return candidates[0]; // a field as large as the screen: nothing can be kept clear
}
