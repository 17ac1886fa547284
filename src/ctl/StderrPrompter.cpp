// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/StderrPrompter.h"
#include "core/platform/Translate.h"

void StderrPrompter::ShowMessage(const std::string&, const std::string& text, PromptIcon) {
    ++m_messages;
    m_err << text << '\n';
}

bool StderrPrompter::AskYesNo(const std::string&, const std::string& text, PromptIcon) {
    ++m_questions;
    m_err << text << Tr("StderrPrompter", " [answered No]") << '\n';
    return false;
}

std::optional<std::string> StderrPrompter::AskSaveFileName(const std::string&, const std::string&,
                                                           const std::string&) {
    return std::nullopt;
}
