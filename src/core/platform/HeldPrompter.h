// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Prompter.h"

#include <optional>
#include <string>
#include <vector>

// Holds the messages raised while a change of the running state is under way and shows them once
// it is complete. A box runs the event loop, and whatever that loop lets in (a tick, the tray, a
// script's request) must find the state whole, not a call half added. Questions need their answer
// at once and go straight through.
class HeldPrompter : public Prompter {
public:
    // How the held messages are shown: as boxes for whoever sits at the window, or as notices
    // when no one is waiting for them (a script, the link, the machine going to sleep).
    enum class Showing { Boxes, Notices };

    explicit HeldPrompter(Prompter& shown) : m_shown(shown) {}
    HeldPrompter(const HeldPrompter&) = delete;
    HeldPrompter& operator=(const HeldPrompter&) = delete;

    // While one lives, messages wait; when the outermost ends, they are shown as it asked.
    class Hold {
    public:
        Hold(HeldPrompter& prompter, Showing showing);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        HeldPrompter& m_prompter;
    };

    void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) override;
    void ShowMessageBeside(const std::string& caption, const std::string& text, PromptIcon icon,
                           const ScreenRect& keepClear) override;
    void ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposedName,
                                               const std::string& defaultExtension,
                                               const std::string& filter) override;

private:
    struct Message {
        std::string caption;
        std::string text;
        PromptIcon icon;
        bool notice;
        std::optional<ScreenRect> keepClear;
    };
    void Show(Message message);
    void Display(const Message& message, bool asNotice);
    void Release();

    Prompter& m_shown;
    int m_depth = 0;
    Showing m_showing = Showing::Boxes;
    std::vector<Message> m_held;
};
