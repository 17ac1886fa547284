// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Prompter.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A Prompter that answers from queues and records everything it was asked. With an empty queue a
// question is answered No and a Save As dialog is cancelled.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        std::string caption; // for SaveAs: the proposed name
        std::string text;    // for SaveAs: the default extension
        PromptIcon icon = PromptIcon::None;
        std::optional<ScreenRect> keepClear; // where the box must not go
        bool notice = false;                 // shown without waiting for the user
    };

    void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) override {
        Shows({caption, text, icon, std::nullopt});
    }
    void ShowMessageBeside(const std::string& caption, const std::string& text, PromptIcon icon,
                           const ScreenRect& keepClear) override {
        Shows({caption, text, icon, keepClear});
    }
    void ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) override {
        Shows({caption, text, icon, std::nullopt, true});
    }
    bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) override {
        shown.push_back({caption, text, icon, std::nullopt});
        return Next(yesNoAnswers).value_or(false);
    }
    std::optional<std::string> AskSaveFileName(const std::string& proposedName, const std::string& extension,
                                               const std::string&) override {
        shown.push_back({proposedName, extension, PromptIcon::None, std::nullopt});
        return Next(saveAnswers).value_or(std::nullopt);
    }

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<Shown> shown;
    // Runs while a message is shown, as the event loop of a real box would run what comes in.
    std::function<void(const Shown&)> whileShown;

private:
    void Shows(const Shown& message) {
        shown.push_back(message);
        if (whileShown)
            whileShown(message);
    }
    template <typename T> static std::optional<T> Next(std::deque<T>& queue) {
        if (queue.empty())
            return std::nullopt;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
