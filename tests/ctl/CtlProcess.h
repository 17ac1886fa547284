#pragma once

#include "support/TempDir.h"

#include <string>
#include <vector>

// What one run of corvellanctl left behind.
struct CtlResult {
    int exitCode = -1; // the signal number, negated, when it was killed
    std::string out;
    std::string err;
};

// Runs the built corvellanctl in a clean environment of its own: settings and Calls.log under a
// temporary directory, the time zone fixed to UTC and a UTF-8 C locale unless a test picks others.
class CtlProcess {
public:
    CtlProcess();

    CtlResult Run(const std::vector<std::string>& arguments) const;

    void SetLocale(const std::string& locale) { m_locale = locale; }
    void SetTimeZone(const std::string& tz) { m_timeZone = tz; }
    // Writes Corvellan.ini with the given lines.
    void WriteSettings(const std::string& iniText) const;
    void WriteCallLog(const std::string& bytes) const;
    bool HasCallLog() const;
    std::string CallLog() const;
    std::string ConfigDir() const { return m_dir.File("config/"); }
    std::string DataDir() const { return m_dir.File("data/corvellan/"); }

private:
    TempDir m_dir;
    std::string m_locale = "C.UTF-8";
    std::string m_timeZone = "UTC0";
};

// True when the C library has the named locale installed.
bool LocaleInstalled(const std::string& locale);
