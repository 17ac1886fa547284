#include "ScriptedPrompter.h"

#include <algorithm>

void ScriptedPrompter::ShowMessage(const std::string& caption, const std::string& text, PromptIcon icon) {
    shown.push_back({Kind::Message, caption, text, icon});
}

bool ScriptedPrompter::AskYesNo(const std::string& caption, const std::string& text, PromptIcon icon) {
    shown.push_back({Kind::YesNo, caption, text, icon});
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompter::AskSaveFileName(const std::string& proposedName,
                                                             const std::string& defaultExtension,
                                                             const std::string& filter) {
    shown.push_back({Kind::SaveAs, proposedName, defaultExtension, PromptIcon::None});
    lastFilter = filter;
    if (saveAnswers.empty())
        return std::nullopt;
    std::optional<std::string> answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

int ScriptedPrompter::Count(Kind kind) const {
    return static_cast<int>(
        std::count_if(shown.begin(), shown.end(), [kind](const Shown& s) { return s.kind == kind; }));
}
