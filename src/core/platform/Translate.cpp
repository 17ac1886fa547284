// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Translate.h"

namespace {
Translation& Installed() {
    static Translation translation;
    return translation;
}
} // namespace

std::string Tr(const char* context, const char* text) {
    const Translation& translation = Installed();
    return translation ? translation(context, text) : std::string(text);
}

void SetTranslation(Translation translation) {
    Installed() = std::move(translation);
}
