// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Exclusive locks on single bytes ("slots") of one lock file. They belong to this object's open
// file, so two objects conflict even inside one process, and the kernel drops them when the
// holder ends, however it ends: a crash never leaves a stale lock. Nothing is ever written to the
// file, so a full disk cannot get in the way once it exists.
class CFileLock {
public:
    enum class Attempt { Locked, Busy, Error };

    explicit CFileLock(std::string path);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Opens the lock file, creating it when missing; false (with a reason) when it cannot be
    // created or is not a regular file (a symbolic link is refused, not followed). Opening again
    // is harmless.
    bool Open(std::string* reason);
    // Takes a slot without waiting: Busy when someone else holds it.
    Attempt TryLock(int slot);
    // Whether someone else holds the slot.
    bool IsHeldByOther(int slot) const;
    void Unlock(int slot);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1;
};
