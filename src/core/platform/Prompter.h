// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

enum class PromptIcon { None, Information, Exclamation, Question, Stop };

// A place on the screen, in the desktop's coordinates.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Message boxes and the Save As dialog, behind one small interface so the program's logic can be
// driven by scripted answers in tests. Texts are always shown as plain text.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A box with one OK button.
    virtual void ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) = 0;
    // A box about a value the user typed: shown as ShowMessage shows it, but clear of keepClear
    // (where the value is), so what was refused stays in sight while the user reads why.
    virtual void ShowMessageBeside(const std::string& caption, const std::string& text, PromptIcon icon,
                                   const ScreenRect& keepClear) {
        static_cast<void>(keepClear);
        ShowMessage(caption, text, icon);
    }
    // A message that does not wait for the user: the caller goes on while it is shown. Where that
    // cannot be done it is shown as ShowMessage shows it.
    virtual void ShowNotice(const std::string& caption, const std::string& text, PromptIcon icon) {
        ShowMessage(caption, text, icon);
    }
    // A box with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) = 0;
    // A Save As dialog proposing proposedName; the extension is added when the user types none,
    // and replacing an existing file is confirmed inside. Empty when cancelled.
    virtual std::optional<std::string> AskSaveFileName(const std::string& proposedName,
                                                       const std::string& defaultExtension,
                                                       const std::string& filter) = 0;
};
