// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked child that permissions bind: as root, the child takes the "nobody" uid and
// gid after the files under dir were handed to it, since root reads and writes through any mode.
// Returns what body returned.
inline bool RunAsUnprivileged(const std::string& dir, const std::function<bool()>& body) {
    constexpr uid_t kNobody = 65534;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            std::error_code ec;
            [[maybe_unused]] int ignored = ::chown(dir.c_str(), kNobody, kNobody);
            for (const auto& entry : std::filesystem::recursive_directory_iterator(dir, ec))
                ignored = ::lchown(entry.path().c_str(), kNobody, kNobody);
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(2);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}
