// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// The one way a text of the core reaches the user: in the user's language once the program has
// installed a translation (the window and corvellanctl do so as they start), as written here
// otherwise. Nothing is decided on a text that went through it. lupdate reads Tr(context, text) and
// Tr(context, text, disambiguation, n) as QCoreApplication::translate.
std::string Tr(const char* context, const char* text);
// The counted form: the translation picks the plural form for n, and %n becomes n in what comes back
// (as QCoreApplication::translate does), translated or not.
std::string Tr(const char* context, const char* text, const char* disambiguation, int n);

// A text marked for the translations but not translated here: a default kept in a file, which Tr
// turns into the user's language when the file is first made. lupdate reads it as QT_TRANSLATE_NOOP.
#define TR_NOOP(context, text) text

// %1 to %9 of text replaced by the values in order, in one pass (as QString::arg with several
// values), so a translation may put them where its language wants them. A value is never searched
// for markers itself; a marker without a value stays as it is.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> values);

// How a text is worded: in the user's language, or as written here for the control socket's replies.
enum class Wording { UserLanguage, English };

// While one is alive Tr gives every text as written here: what the core says over the control socket
// stays English, whatever the language of the window that answers.
class CUntranslated {
public:
    CUntranslated();
    explicit CUntranslated(Wording wording); // does nothing unless wording is English
    ~CUntranslated();
    CUntranslated(const CUntranslated&) = delete;
    CUntranslated& operator=(const CUntranslated&) = delete;

private:
    bool m_active = true;
};

// n is -1 for a text that is not counted. The result may still hold %n: Tr replaces it.
using Translation =
    std::function<std::string(const char* context, const char* text, const char* disambiguation, int n)>;
void SetTranslation(Translation translation);
