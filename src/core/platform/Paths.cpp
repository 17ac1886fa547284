// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Paths.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {
std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string HomeDir() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return "/tmp";
}

// XDG says a relative path in these variables is invalid and must be ignored.
std::string XdgDir(const char* variable, const char* fallbackUnderHome) {
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/')
        return WithSlash(value);
    return WithSlash(HomeDir() + fallbackUnderHome);
}
} // namespace

Paths::Paths(std::string configDir, std::string dataDir, std::string stateDir)
    : m_configDir(WithSlash(std::move(configDir))), m_dataDir(WithSlash(std::move(dataDir))),
      m_stateDir(stateDir.empty() ? std::string() : WithSlash(std::move(stateDir))) {}

Paths Paths::FromEnvironment() {
    return Paths(XdgDir("XDG_CONFIG_HOME", "/.config"),
                 XdgDir("XDG_DATA_HOME", "/.local/share") + "corvellan/",
                 XdgDir("XDG_STATE_HOME", "/.local/state"));
}

std::vector<std::string> Paths::UnsavedDirs() const {
    const std::string leaf = "corvellan-unsaved/" + DataKey() + "/";
    if (m_stateDir.empty() || m_stateDir == m_configDir)
        return {m_configDir + leaf};
    return {m_stateDir + leaf, m_configDir + leaf};
}

std::string Paths::DataKey() const {
    return StableKey(m_dataDir);
}

std::string StableKey(std::string_view text) {
    // FNV-1a: stable across builds and runs, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}
