// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    // Line ends as the file has them: CR LF, LF, or CR alone (old Mac editors).
    if (text.find("\r\n") != std::string_view::npos)
        file.m_newline = "\r\n";
    else if (text.find('\r') != std::string_view::npos)
        file.m_newline = "\r";
    file.m_endsWithNewline = text.empty() || text.back() == '\n' || text.back() == '\r';
    std::string section;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view raw = text.substr(pos, end - pos);
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);

        Line line;
        line.text = std::string(raw);
        const std::string trimmed = Trim(raw);
        bool understood = trimmed.empty() || trimmed.front() == ';';
        if (!trimmed.empty() && trimmed.front() == '[') {
            const std::size_t close = trimmed.find(']');
            section = Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos
                                                                                          : close - 1));
            line.isHeader = true;
            understood = close != std::string::npos;
        } else if (!understood) {
            const std::size_t eq = trimmed.find('=');
            if (eq != std::string::npos) {
                line.key = Trim(std::string_view(trimmed).substr(0, eq));
                line.value = Trim(std::string_view(trimmed).substr(eq + 1));
            }
            understood = !line.key.empty();
        }
        if (!understood || raw.find('\0') != std::string_view::npos)
            ++file.m_unreadableLines;
        line.section = section;
        file.m_lines.push_back(std::move(line));
    }
    return file;
}

const IniFile::Line* IniFile::Find(std::string_view section, std::string_view key) const {
    for (const Line& line : m_lines) {
        if (!line.isHeader && !line.key.empty() && EqualNoCase(line.section, section) &&
            EqualNoCase(line.key, key))
            return &line;
    }
    return nullptr;
}

std::optional<std::string> IniFile::GetString(std::string_view section, std::string_view key) const {
    if (const Line* line = Find(section, key))
        return line->value;
    return std::nullopt;
}

unsigned IniFile::GetUInt(std::string_view section, std::string_view key, unsigned defaultValue) const {
    const std::optional<std::string> value = GetString(section, key);
    return value ? ParseProfileUInt(*value, defaultValue) : defaultValue;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string newText = std::string(key) + "=" + std::string(value);
    std::size_t lastOfSection = m_lines.size();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        Line& line = m_lines[i];
        if (!EqualNoCase(line.section, section))
            continue;
        if (!line.isHeader && !line.key.empty() && EqualNoCase(line.key, key)) {
            // An unchanged value keeps its line exactly as the user wrote it.
            if (line.value != value) {
                line.text = newText;
                line.value = std::string(value);
            }
            return;
        }
        if (line.isHeader || !Trim(line.text).empty())
            lastOfSection = i;
    }
    m_endsWithNewline = true; // a file we add lines to ends like a well-formed text file
    Line added;
    added.text = newText;
    added.section = std::string(section);
    added.key = std::string(key);
    added.value = std::string(value);
    if (lastOfSection == m_lines.size()) {
        Line header;
        header.text = "[" + std::string(section) + "]";
        header.section = std::string(section);
        header.isHeader = true;
        m_lines.push_back(std::move(header));
        m_lines.push_back(std::move(added));
    } else {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastOfSection) + 1, std::move(added));
    }
}

std::string IniFile::Text() const {
    std::string out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i].text;
        if (i + 1 < m_lines.size() || m_endsWithNewline)
            out += m_newline;
    }
    return out;
}

unsigned ParseProfileUInt(std::string_view text, unsigned defaultValue) {
    std::size_t i = 0;
    while (i < text.size() && (IsBlank(text[i]) || text[i] == '\n'))
        ++i;
    if (i == text.size())
        return defaultValue;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            break;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu)
            value = 0xFFFFFFFFu; // saturate rather than wrap to a surprising small number
    }
    if (negative)
        return 0;
    return static_cast<unsigned>(value);
}
