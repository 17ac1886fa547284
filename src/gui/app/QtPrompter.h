// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Prompter.h"

#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

// The Prompter on real Qt dialogs, owned by a window when one is set. Once the program is ending it
// shows nothing more and gives every question its safe answer: No, or cancelled.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void SetOwner(QWidget* owner) { m_owner = owner; }
    void SetEnding() { m_ending = true; }

    void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) override;
    void ShowMessageBeside(const std::string& caption, const std::string& text, PromptIcon icon,
                           const ScreenRect& keepClear) override;
    void ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposedName,
                                               const std::string& defaultExtension,
                                               const std::string& filter) override;

    // "Text Files(*.txt)|*.txt|All Files(*.*)|*.*|" as Qt name filters.
    static QStringList NameFilters(const std::string& filter);
    // Where a widget is on the screen.
    static ScreenRect ScreenRectOf(const QWidget* widget);
    // Where a box of this size goes on the screen so that it does not cover keepClear: below it,
    // else above, right or left of it, always on the screen.
    static QRect PlaceBeside(QSize box, const QRect& keepClear, const QRect& screen);

private:
    QWidget* Owner() const;

    QPointer<QWidget> m_owner;
    bool m_ending = false;
    std::vector<QPointer<QMessageBox>> m_notices; // those still open
};
