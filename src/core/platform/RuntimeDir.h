// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>

// Where the control socket lives: a folder only its user can enter, so that nobody else can reach
// the socket, nor put a socket of their own in its place.

// $XDG_RUNTIME_DIR/corvellan/ when the variable names an absolute path, else /tmp/corvellan-<uid>/.
std::string RuntimeDirFor(const char* xdgRuntimeDir, uid_t uid);

// What to make of what lstat found where the folder should be.
struct PrivateDirVerdict {
    enum class Action { Use, FixMode, Refuse };
    Action action = Action::Refuse;
    std::string reason; // for Refuse: why, in a few words
};

// A real directory of one's own is used; one that others may enter has its mode fixed; a symbolic
// link, anything that is not a directory, or a directory of another user is refused.
PrivateDirVerdict JudgePrivateDir(mode_t mode, uid_t owner, uid_t own);

// Creates the folder with mode 0700 when it is missing (its parent must exist), then judges it and
// fixes its mode when it is ours. False with the reason when it cannot be used.
bool MakePrivateDir(const std::string& dir, std::string* reason);

// The control socket of the window that uses dataDir, in runtimeDir: one per data folder, named by
// a short hash of it. Empty with a reason when the path would not fit a Unix socket's address.
std::string ControlSocketPath(const std::string& runtimeDir, const std::string& dataDir, std::string* reason);
