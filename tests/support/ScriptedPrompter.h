#pragma once

#include "core/platform/Prompter.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// A Prompter that answers from queues and records everything it was asked. With an empty queue a
// question is answered No and a Save As dialog is cancelled.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, YesNo, SaveAs };
    struct Shown {
        Kind kind;
        std::string caption; // for SaveAs: the proposed name
        std::string text;    // for SaveAs: the default extension
        PromptIcon icon = PromptIcon::None;
    };

    void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposedName,
                                               const std::string& defaultExtension,
                                               const std::string& filter) override;

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<Shown> shown;
    std::string lastFilter;

    int Count(Kind kind) const;
};
