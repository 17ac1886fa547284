#include "CtlProcess.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <locale.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
void CloseFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Reads both pipes until both are closed, so neither can fill up and block the child.
void Drain(int outFd, int errFd, CtlResult& result) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                targets[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

std::vector<std::string> ChildEnvironment(const std::string& configDir, const std::string& dataHome,
                                          const std::string& home, const std::string& locale,
                                          const std::string& tz) {
    std::vector<std::string> env = {"XDG_CONFIG_HOME=" + configDir, "XDG_DATA_HOME=" + dataHome,
                                    "HOME=" + home, "TZ=" + tz, "LC_ALL=" + locale,
                                    // Tell a sanitizer report apart from the program's own exit 1.
                                    "ASAN_OPTIONS=exitcode=86"};
    // Locales built outside the system's directory (LOCPATH) reach the program too.
    for (const char* name : {"PATH", "LOCPATH"}) {
        if (const char* value = std::getenv(name))
            env.push_back(std::string(name) + "=" + value);
    }
    return env;
}
} // namespace

CtlProcess::CtlProcess() {
    std::filesystem::create_directories(ConfigDir());
}

CtlResult CtlProcess::Run(const std::vector<std::string>& arguments) const {
    std::vector<std::string> argStrings = {CORVELLANCTL_PATH};
    argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
    const std::vector<std::string> envStrings =
        ChildEnvironment(ConfigDir(), m_dir.File("data"), m_dir.Path(), m_locale, m_timeZone);
    std::vector<char*> argv, envp;
    for (const std::string& a : argStrings)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : envStrings)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    CloseFd(out[1]);
    CloseFd(err[1]);
    CtlResult result;
    if (spawned == 0)
        Drain(out[0], err[0], result);
    CloseFd(out[0]);
    CloseFd(err[0]);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + argStrings[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return result;
}

void CtlProcess::WriteSettings(const std::string& iniText) const {
    TempDir::Write(ConfigDir() + "Corvellan.ini", iniText);
}

void CtlProcess::WriteCallLog(const std::string& bytes) const {
    TempDir::Write(DataDir() + "Calls.log", bytes);
}

bool CtlProcess::HasCallLog() const {
    std::error_code ec;
    return std::filesystem::exists(DataDir() + "Calls.log", ec);
}

std::string CtlProcess::CallLog() const {
    return TempDir::Read(DataDir() + "Calls.log");
}

bool LocaleInstalled(const std::string& locale) {
    const locale_t handle = ::newlocale(LC_ALL_MASK, locale.c_str(), static_cast<locale_t>(nullptr));
    if (handle == static_cast<locale_t>(nullptr))
        return false;
    ::freelocale(handle);
    return true;
}
