#pragma once

#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <locale.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

// What one run of corvellanctl left behind.
struct CtlResult {
    int exitCode = -1; // the signal number, negated, when it was killed
    std::string out;
    std::string err;
};

// Runs the built corvellanctl in a clean environment of its own: settings and Calls.log under a
// temporary directory, TZ=UTC0 and LC_ALL=C.UTF-8 unless a test picks others. A run that does not end
// within a minute is killed.
class CtlProcess {
public:
    CtlProcess() { std::filesystem::create_directories(ConfigDir()); }

    // tag names this run's output files, so runs in parallel keep theirs apart.
    CtlResult Run(std::vector<std::string> args, const std::string& tag = "") const {
        args.insert(args.begin(), CORVELLANCTL_PATH);
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + ConfigDir(),
                                        "XDG_DATA_HOME=" + m_dir.File("data"), "HOME=" + m_dir.Path(),
                                        "TZ=" + m_timeZone, "LC_ALL=" + m_locale,
                                        // Tells a sanitizer report apart from the program's own exit 1.
                                        "ASAN_OPTIONS=exitcode=86"};
        // LOCPATH: locales built outside the system's directory reach the program too.
        for (const char* name : {"PATH", "LOCPATH"})
            if (const char* value = std::getenv(name))
                env.push_back(std::string(name) + "=" + value);
        const std::string out = m_dir.File("stdout" + tag), err = m_dir.File("stderr" + tag);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<char*> argv, envp;
        for (std::string& a : args)
            argv.push_back(a.data());
        for (std::string& e : env)
            envp.push_back(e.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        pid_t pid = 0;
        const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            throw std::runtime_error("cannot start " + args[0]);
        // A run that hangs is killed, and shows as killed by SIGKILL.
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (pid_t done = 0; done != pid;) {
            done = ::waitpid(pid, &status, WNOHANG);
            if (done == 0 && std::chrono::steady_clock::now() > deadline)
                ::kill(pid, SIGKILL);
            else if (done == 0)
                ::usleep(1000);
            else if (done < 0 && errno != EINTR)
                break;
        }
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status), TempDir::Read(out),
                TempDir::Read(err)};
    }

    void SetLocale(const std::string& locale) { m_locale = locale; }
    void SetTimeZone(const std::string& tz) { m_timeZone = tz; }
    void WriteSettings(const std::string& ini) const { TempDir::Write(ConfigDir() + "Corvellan.ini", ini); }
    void WriteCallLog(const std::string& bytes) const { TempDir::Write(DataDir() + "Calls.log", bytes); }
    bool Has(const std::string& dataFile) const { return std::filesystem::exists(DataDir() + dataFile); }
    // The Calls.log bytes, or "" when there is none.
    std::string CallLog() const { return TempDir::Read(DataDir() + "Calls.log"); }
    std::string ConfigDir() const { return m_dir.File("config/"); }
    std::string DataDir() const { return m_dir.File("data/corvellan/"); }

private:
    TempDir m_dir;
    std::string m_locale = "C.UTF-8";
    std::string m_timeZone = "UTC0";
};

inline bool LocaleInstalled(const std::string& locale) {
    const locale_t handle = ::newlocale(LC_ALL_MASK, locale.c_str(), static_cast<locale_t>(nullptr));
    if (handle != static_cast<locale_t>(nullptr))
        ::freelocale(handle);
    return handle != static_cast<locale_t>(nullptr);
}
