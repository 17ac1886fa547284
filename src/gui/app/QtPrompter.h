#pragma once

#include "core/platform/Prompter.h"

#include <QPointer>
#include <QWidget>

// The Prompter on real Qt dialogs, owned by a window when one is set.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}
    void SetOwner(QWidget* owner) { m_owner = owner; }

    void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposedName,
                                               const std::string& defaultExtension,
                                               const std::string& filter) override;

    // "Text Files(*.txt)|*.txt|All Files(*.*)|*.*|" as Qt name filters.
    static QStringList NameFilters(const std::string& filter);

private:
    QPointer<QWidget> m_owner;
};
