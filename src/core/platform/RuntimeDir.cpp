// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/RuntimeDir.h"

#include "core/platform/Paths.h"
#include "core/platform/Translate.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

std::string RuntimeDirFor(const char* xdgRuntimeDir, uid_t uid) {
    if (xdgRuntimeDir != nullptr && xdgRuntimeDir[0] == '/') {
        std::string dir = xdgRuntimeDir;
        if (dir.back() != '/')
            dir += '/';
        return dir + "corvellan/";
    }
    return "/tmp/corvellan-" + std::to_string(uid) + "/";
}

PrivateDirVerdict JudgePrivateDir(mode_t mode, uid_t owner, uid_t own) {
    using enum PrivateDirVerdict::Action;
    if (S_ISLNK(mode))
        return {Refuse, Tr("RuntimeDir", "it is a symbolic link")};
    if (!S_ISDIR(mode))
        return {Refuse, Tr("RuntimeDir", "it is not a directory")};
    if (owner != own)
        return {Refuse, Arg(Tr("RuntimeDir", "it belongs to uid %1, not to uid %2"),
                            {std::to_string(owner), std::to_string(own)})};
    return {(mode & 077) != 0 ? FixMode : Use, ""};
}

bool MakePrivateDir(const std::string& dir, std::string* reason) {
    const auto fail = [&](const std::string& why) {
        if (reason != nullptr)
            *reason = Arg(Tr("RuntimeDir", "cannot use %1: %2"), {dir, why});
        return false;
    };
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return fail(std::strerror(errno));
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0)
        return fail(std::strerror(errno));
    const PrivateDirVerdict verdict = JudgePrivateDir(st.st_mode, st.st_uid, ::getuid());
    if (verdict.action == PrivateDirVerdict::Action::Refuse)
        return fail(verdict.reason);
    // Ours and a real directory (lstat said so), so chmod cannot be led elsewhere by a link: only
    // we may replace an entry of our own in /tmp, which is sticky.
    if (verdict.action == PrivateDirVerdict::Action::FixMode && ::chmod(dir.c_str(), 0700) != 0) {
        const std::string why = std::strerror(errno);
        return fail(Arg(Tr("RuntimeDir", "cannot make it private: %1"), {why}));
    }
    return true;
}

std::string ControlSocketPath(const std::string& runtimeDir, const std::string& dataDir,
                              std::string* reason) {
    std::string path = runtimeDir + StableKey(dataDir) + ".sock";
    if (path.size() >= sizeof(sockaddr_un{}.sun_path)) {
        if (reason != nullptr)
            *reason =
                Arg(Tr("RuntimeDir", "the control socket's path %1 is longer than the %2 bytes a Unix "
                                     "socket's address may have (set XDG_RUNTIME_DIR to a shorter path)"),
                    {path, std::to_string(sizeof(sockaddr_un{}.sun_path) - 1)});
        return {};
    }
    return path;
}
