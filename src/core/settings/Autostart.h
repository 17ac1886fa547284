// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Paths.h"

#include <optional>
#include <string>

class Prompter;

// "Start Corvellan when I log in": an entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart/io.github.corvellan.Corvellan.desktop) that starts the program hidden
// in the tray. The entry itself is the setting; there is no copy of it in Corvellan.ini to drift
// apart from it. Earlier versions named the entry corvellan.desktop; it still counts until replaced.
class CAutostart {
public:
    // program: the path of the running program, as the entry is to start it.
    CAutostart(const Paths& paths, std::string program);

    const std::string& File() const { return m_file; }
    // The entry Corvellan writes; empty when the program's path cannot be written in one.
    std::string EntryText() const;
    // Whether the session will start Corvellan: an entry of either name is there and does not switch
    // itself off.
    bool IsEnabled() const;
    // Adds or removes the entry when that changes anything. Whatever is there and was not written
    // by Corvellan is moved aside, never written over or deleted. False after telling the user.
    bool Set(bool enable, Prompter& prompter) const;
    // An entry under the old name that is on is replaced by one under the new name, so the user keeps
    // autostart; one Corvellan did not write is kept aside as Set keeps it. False after telling.
    bool ReplaceOldEntry(Prompter& prompter) const;

    // The program's path as one argument of an Exec line, quoted where it must be.
    static std::optional<std::string> ExecArgument(const std::string& program);

private:
    std::string EntryText(const char* icon) const;
    // Moves what is at file aside, unless it is Corvellan's own entry; false after telling.
    bool KeepAsideUnlessOurs(const std::string& file, const std::string& ours, Prompter& prompter) const;

    std::string m_file;
    std::string m_oldFile;
    std::string m_program;
};
