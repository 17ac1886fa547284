// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/FileLock.h"

#include <chrono>
#include <string>

class Paths;

// Who takes the data directory's lock: the window, for its whole run, or a command, for one change
// of Calls.log.
enum class LockHolder { Window, Command };

// The lock on the data directory ($data/corvellan.lock), so that only one program at a time reads,
// changes and writes Calls.log. It records who holds it: a command waits a while for another
// command, which is done within moments, but never for the window, which may run for hours.
// Released when the object goes, or when its process ends in any way.
class CDataLock {
public:
    enum class Result { Acquired, HeldByWindow, HeldByCommand, Failed };

    CDataLock(const Paths& paths, LockHolder holder);

    // Takes the lock, waiting up to wait while another command (or, for a window, anyone but a
    // window) holds it. Failed: the lock file cannot be made; Error() says why.
    Result Acquire(std::chrono::milliseconds wait);
    const std::string& Error() const { return m_error; }
    const std::string& LockFile() const { return m_file.Path(); }

private:
    CFileLock m_file;
    std::string m_dataDir;
    LockHolder m_holder;
    std::string m_error;
};
