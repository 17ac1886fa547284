// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Prompter.h"

#include <optional>
#include <string>

// Benchmarks measure work, not questions: nothing is shown, every question is answered No.
class SilentPrompter : public Prompter {
public:
    void ShowMessage(const std::string&, const std::string&, PromptIcon) override {}
    bool AskYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
    std::optional<std::string> AskSaveFileName(const std::string&, const std::string&,
                                               const std::string&) override {
        return std::nullopt;
    }
};
