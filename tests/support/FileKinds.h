// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>

// Puts at path the kind of thing named: "a file", "a read-only file", "an unreadable file" or "a link
// to a file" (each holding bytes), "a link to nothing", "a loop of links", "a directory", "a FIFO", or
// "nothing" at all.
inline void MakeFileKind(const std::string& kind, const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    if (kind == "a directory") {
        fs::create_directories(path);
    } else if (kind == "a FIFO") {
        ::mkfifo(path.c_str(), 0600);
    } else if (kind == "a link to nothing") {
        fs::create_symlink(path + "-gone", path);
    } else if (kind == "a loop of links") {
        fs::create_symlink(path, path);
    } else if (kind == "a link to a file") {
        TempDir::Write(path + "-target", bytes);
        fs::create_symlink(path + "-target", path);
    } else if (kind != "nothing") {
        TempDir::Write(path, bytes);
        ::chmod(path.c_str(), kind == "a read-only file" ? 0444 : kind == "an unreadable file" ? 0 : 0644);
    }
}
