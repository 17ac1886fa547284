// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Autostart.h"

#include "core/platform/AtomicFile.h"
#include "core/platform/Prompter.h"
#include "core/platform/SystemClock.h"
#include "core/platform/Translate.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace {
constexpr std::size_t kMaxEntry = 64 * 1024;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Desktop sessions skip an entry that says Hidden=true, and GNOME one that switches itself off.
bool SwitchedOff(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    bool inEntry = false;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.starts_with('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inEntry || equals == std::string::npos)
            continue;
        const std::string key = Trimmed(line.substr(0, equals));
        const std::string value = Trimmed(line.substr(equals + 1));
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return true;
    }
    return false;
}

void Tell(Prompter& prompter, const std::string& what, const std::string& reason) {
    prompter.ShowMessage(Tr("Autostart", "Corvellan Error"),
                         Arg(Tr("Autostart", "ERROR : %1 (%2)."), {what, reason}), PromptIcon::Stop);
}
} // namespace

CAutostart::CAutostart(const Paths& paths, std::string program)
    : m_file(paths.ConfigDir() + "autostart/io.github.corvellan.Corvellan.desktop"),
      m_oldFile(paths.ConfigDir() + "autostart/corvellan.desktop"), m_program(std::move(program)) {}

std::optional<std::string> CAutostart::ExecArgument(const std::string& program) {
    // A line break would end the Exec line and start a key of its own: refuse every control character.
    bool quote = program.empty();
    for (const unsigned char c : program) {
        if (c < 0x20 || c == 0x7f)
            return std::nullopt;
        if (std::strchr(" \"'\\><~|&;$*?#()`", c) != nullptr)
            quote = true;
    }
    std::string out = quote ? "\"" : "";
    for (const char c : program) {
        if (c == '%')
            out += "%%"; // a lone % starts a field code
        else if (c == '"' || c == '`' || c == '$' || c == '\\')
            // Escaped for the quoting, and that backslash (and a backslash itself) again for the file.
            out += c == '\\' ? "\\\\\\\\" : "\\\\" + std::string(1, c);
        else
            out += c;
    }
    return quote ? out + "\"" : out;
}

std::string CAutostart::EntryText() const {
    return EntryText("io.github.corvellan.Corvellan");
}

std::string CAutostart::EntryText(const char* icon) const {
    const std::optional<std::string> exec = ExecArgument(m_program);
    if (!exec)
        return {};
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Corvellan\n"
           "Comment=Time your metered calls and watch what they cost\n"
           "Exec=" +
           *exec +
           " --hidden\n"
           "Icon=" +
           icon + "\nTerminal=false\n";
}

bool CAutostart::IsEnabled() const {
    for (const std::string& file : {m_file, m_oldFile}) {
        std::string text;
        if (ReadRegularFile(file, text, kMaxEntry) == ReadStatus::Ok && !SwitchedOff(text))
            return true;
    }
    return false;
}

bool CAutostart::KeepAsideUnlessOurs(const std::string& file, const std::string& ours,
                                     Prompter& prompter) const {
    std::string text;
    if (!PathExists(file) ||
        (ReadRegularFile(file, text, kMaxEntry) == ReadStatus::Ok && !ours.empty() && text == ours))
        return true;
    // Someone else's entry, or one the user edited: kept under a name the session ignores.
    const std::string aside = UnusedName(file + ".bak-" + SystemClock().Now().Format("%Y%m%d-%H%M%S"));
    if (aside.empty() || std::rename(file.c_str(), aside.c_str()) != 0) {
        const std::string why = aside.empty() ? Tr("Autostart", "no free name") : std::strerror(errno);
        Tell(prompter, Arg(Tr("Autostart", "Corvellan could not move %1 aside"), {file}), why);
        return false;
    }
    prompter.ShowMessage(
        "Corvellan",
        Arg(Tr("Autostart", "%1 was not written by Corvellan. It was kept as %2."), {file, aside}),
        PromptIcon::Information);
    return true;
}

bool CAutostart::ReplaceOldEntry(Prompter& prompter) const {
    std::string text;
    if (ReadRegularFile(m_oldFile, text, kMaxEntry) != ReadStatus::Ok || SwitchedOff(text))
        return true;
    if (!KeepAsideUnlessOurs(m_oldFile, EntryText("corvellan"), prompter))
        return false;
    std::remove(m_oldFile.c_str());
    return Set(true, prompter);
}

bool CAutostart::Set(bool enable, Prompter& prompter) const {
    if (enable == IsEnabled())
        return true;
    const std::string entry = EntryText();
    if (enable && entry.empty()) {
        Tell(prompter, Tr("Autostart", "Corvellan cannot be started when you log in"),
             Arg(Tr("Autostart", "its path cannot be written in %1: %2"), {m_file, m_program}));
        return false;
    }
    for (const std::string& file : {m_file, m_oldFile}) {
        if (!KeepAsideUnlessOurs(file, file == m_file ? entry : EntryText("corvellan"), prompter))
            return false;
        if (!enable && PathExists(file) && std::remove(file.c_str()) != 0) {
            const std::string why = std::strerror(errno);
            Tell(prompter,
                 Tr("Autostart", "Corvellan could not be removed from the programs started when you log in"),
                 why);
            return false;
        }
    }
    std::string reason;
    if (enable && !WriteFileAtomically(m_file, entry, &reason)) {
        Tell(prompter,
             Tr("Autostart", "Corvellan could not be added to the programs started when you log in"), reason);
        return false;
    }
    return true;
}
