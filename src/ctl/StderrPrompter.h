// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Prompter.h"

#include <ostream>

// The command line's stand-in for message boxes: every message goes to the error stream on a line
// of its own, every question is answered No and every Save As dialog is cancelled. It remembers
// whether anything was said, so a command can refuse to go on after a complaint or a question.
class StderrPrompter : public Prompter {
public:
    explicit StderrPrompter(std::ostream& err) : m_err(err) {}

    void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposedName,
                                               const std::string& defaultExtension,
                                               const std::string& filter) override;

    int MessagesShown() const { return m_messages; }
    int QuestionsAsked() const { return m_questions; }

private:
    std::ostream& m_err;
    int m_messages = 0;
    int m_questions = 0;
};
