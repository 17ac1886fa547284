// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <atomic>
#include <cstdlib>
#include <locale.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

// What one run of corvellanctl left behind.
struct CtlResult {
    int exitCode = -1; // 137 when it was killed for hanging, 86 for a sanitizer report
    std::string out;
    std::string err;
};

// Runs the built corvellanctl in a clean environment of its own: settings and Calls.log under a
// temporary directory, TZ=UTC0 and LC_ALL=C.UTF-8 unless a test picks others. A run that does not
// end within a minute is killed.
class CtlProcess {
public:
    // tag names this run's output files, so that runs in parallel keep theirs apart.
    CtlResult Run(const std::vector<std::string>& args, const std::string& tag = "") const {
        std::string command = "timeout -s KILL 60 env -i ASAN_OPTIONS=exitcode=86 TZ=" + timeZone +
                              " LC_ALL=" + locale + " HOME=" + Quote(m_dir.Path()) +
                              " XDG_CONFIG_HOME=" + Quote(ConfigDir()) +
                              " XDG_DATA_HOME=" + Quote(m_dir.File("data"));
        // Locales built outside the system's directory too, and the runtime folder where a window
        // of the test's listens.
        for (const char* name : {"PATH", "LOCPATH", "XDG_RUNTIME_DIR"})
            if (const char* value = std::getenv(name))
                command += std::string(" ") + name + "=" + Quote(value);
        command += " " CORVELLANCTL_PATH;
        for (const std::string& arg : args)
            command += " " + Quote(arg);
        const std::string out = m_dir.File("stdout" + tag), err = m_dir.File("stderr" + tag);
        const int status = std::system((command + " >" + Quote(out) + " 2>" + Quote(err)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempDir::Read(out), TempDir::Read(err)};
    }

    // Runs on a thread of its own while wait(done) turns the caller's event loop, so that a window of
    // the test's can answer it.
    template <typename Wait> CtlResult RunAside(const std::vector<std::string>& args, Wait wait) const {
        std::atomic<bool> done = false;
        CtlResult result;
        std::thread run([&] {
            result = Run(args);
            done = true;
        });
        wait([&done] { return done.load(); });
        run.join();
        return result;
    }

    void WriteSettings(const std::string& ini) const { TempDir::Write(ConfigDir() + "Corvellan.ini", ini); }
    void WriteCallLog(const std::string& bytes) const { TempDir::Write(DataDir() + "Calls.log", bytes); }
    // The Calls.log bytes, or "" when there is none.
    std::string CallLog() const { return TempDir::Read(DataDir() + "Calls.log"); }
    std::string ConfigDir() const { return m_dir.File("config/"); }
    std::string DataDir() const { return m_dir.File("data/corvellan/"); }

    std::string locale = "C.UTF-8";
    std::string timeZone = "UTC0";

private:
    static std::string Quote(const std::string& text) {
        std::string quoted = "'";
        for (const char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    TempDir m_dir;
};

inline bool LocaleInstalled(const std::string& name) {
    const locale_t handle = ::newlocale(LC_ALL_MASK, name.c_str(), locale_t{});
    return handle != locale_t{} && (::freelocale(handle), true);
}
