#include "core/platform/Paths.h"

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

Paths::Paths(std::string configDir, std::string dataDir)
    : m_configDir(WithSlash(std::move(configDir))), m_dataDir(WithSlash(std::move(dataDir))) {}

Paths Paths::FromEnvironment() {
    return Paths(XdgDir("XDG_CONFIG_HOME", "/.config"),
                 XdgDir("XDG_DATA_HOME", "/.local/share") + "corvellan/");
}
