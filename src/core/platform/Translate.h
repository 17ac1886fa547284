// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// The one way a text of the core reaches the user: in the user's language once the program has
// installed a translation (the window and corvellanctl do so as they start), as written here
// otherwise. Nothing is decided on a text that went through it. lupdate reads Tr(context, text) as
// QCoreApplication::translate.
std::string Tr(const char* context, const char* text);

using Translation = std::function<std::string(const char* context, const char* text)>;
void SetTranslation(Translation translation);
