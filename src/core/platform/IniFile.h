// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A small INI store with the reading rules of the classic private-profile functions: section and
// key names compare case-insensitively, blanks around names and values are trimmed, lines starting
// with ';' are comments, CR LF, LF and CR alone all end a line, and a missing key gives the caller's default.
// Setting a key rewrites only its own line, so everything else in a hand-edited file (comments, order, CR LF)
// is kept as is.
class IniFile {
public:
    static IniFile Parse(std::string_view text);

    // The key's trimmed text, or nothing when the section or the key is missing.
    std::optional<std::string> GetString(std::string_view section, std::string_view key) const;
    // Integer reading as GetPrivateProfileInt: a missing key or an empty value gives the default;
    // otherwise the leading number (decimal, or hex after "0x"), 0 when there is none, and 0 for a
    // negative number.
    unsigned GetUInt(std::string_view section, std::string_view key, unsigned defaultValue) const;

    // Sets a key's value; the value must not contain a line break. A new key goes at the end of its
    // section, a new section at the end of the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

    // Lines that are neither blank, a comment, a [section] nor key=value (or that hold NUL bytes):
    // binary junk, or a file in another encoding. They are kept as they are.
    int UnreadableLines() const { return m_unreadableLines; }

private:
    struct Line {
        std::string text;    // without its line end
        std::string section; // the section the line belongs to (for a header: its own name)
        std::string key;     // empty unless a key line
        std::string value;
        bool isHeader = false;
    };
    const Line* Find(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
    std::string m_newline = "\n";
    bool m_endsWithNewline = true;
    int m_unreadableLines = 0;
};

// Parses the leading unsigned number of text as GetPrivateProfileInt does (see GetUInt).
unsigned ParseProfileUInt(std::string_view text, unsigned defaultValue);
