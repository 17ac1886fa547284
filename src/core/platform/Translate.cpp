// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Translate.h"

namespace {
Translation& Installed() {
    static Translation translation;
    return translation;
}

int s_untranslated = 0; // the CUntranslated alive

bool Translating() {
    return Installed() && s_untranslated == 0;
}

std::string ReplaceCount(std::string text, int n) {
    const std::string number = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}
} // namespace

std::string Tr(const char* context, const char* text) {
    return Translating() ? Installed()(context, text, nullptr, -1) : std::string(text);
}

std::string Tr(const char* context, const char* text, const char* disambiguation, int n) {
    return ReplaceCount(Translating() ? Installed()(context, text, disambiguation, n) : std::string(text), n);
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index =
            i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && index < values.size() && index < 9) {
            out += values.begin()[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

CUntranslated::CUntranslated() {
    ++s_untranslated;
}

CUntranslated::CUntranslated(Wording wording) : m_active(wording == Wording::English) {
    if (m_active)
        ++s_untranslated;
}

CUntranslated::~CUntranslated() {
    if (m_active)
        --s_untranslated;
}

void SetTranslation(Translation translation) {
    Installed() = std::move(translation);
}
