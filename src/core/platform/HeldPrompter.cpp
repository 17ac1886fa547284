// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/HeldPrompter.h"

#include <utility>

HeldPrompter::Hold::Hold(HeldPrompter& prompter, Showing showing) : m_prompter(prompter) {
    if (m_prompter.m_depth++ == 0)
        m_prompter.m_showing = showing;
}

HeldPrompter::Hold::~Hold() {
    if (--m_prompter.m_depth == 0)
        m_prompter.Release();
}

void HeldPrompter::Release() {
    // Taken out first, with how they are shown: a change made while one of them is shown holds
    // and shows its own, its own way.
    const std::vector<Message> held = std::exchange(m_held, {});
    const bool asNotices = m_showing == Showing::Notices;
    for (const Message& message : held)
        Display(message, asNotices);
}

void HeldPrompter::Display(const Message& message, bool asNotice) {
    if (message.notice || asNotice)
        m_shown.ShowNotice(message.caption, message.text, message.icon);
    else if (message.keepClear)
        m_shown.ShowMessageBeside(message.caption, message.text, message.icon, *message.keepClear);
    else
        m_shown.ShowMessage(message.caption, message.text, message.icon);
}

void HeldPrompter::Show(Message message) {
    if (m_depth == 0)
        Display(message, false);
    else
        m_held.push_back(std::move(message));
}

void HeldPrompter::ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) {
    Show({caption, text, icon, false, std::nullopt});
}

void HeldPrompter::ShowMessageBeside(const std::string& caption, const std::string& text, PromptIcon icon,
                                     const ScreenRect& keepClear) {
    Show({caption, text, icon, false, keepClear});
}

void HeldPrompter::ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) {
    Show({caption, text, icon, true, std::nullopt});
}

bool HeldPrompter::AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) {
    return m_shown.AskYesNo(caption, text, icon);
}

std::optional<std::string> HeldPrompter::AskSaveFileName(const std::string& proposedName,
                                                         const std::string& defaultExtension,
                                                         const std::string& filter) {
    return m_shown.AskSaveFileName(proposedName, defaultExtension, filter);
}
