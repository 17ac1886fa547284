// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calllog/DataLock.h"

#include "core/platform/AtomicFile.h"
#include "core/platform/Paths.h"
#include "core/platform/Translate.h"

#include <cerrno>
#include <cstring>
#include <thread>

namespace {
// One slot for Calls.log itself, one that only a window takes and keeps.
constexpr int kDataSlot = 0;
constexpr int kWindowSlot = 1;
constexpr auto kPollInterval = std::chrono::milliseconds(10);
} // namespace

CDataLock::CDataLock(const Paths& paths, LockHolder holder)
    : m_file(paths.LockFile()), m_dataDir(paths.DataDir()), m_holder(holder) {}

CDataLock::Result CDataLock::Acquire(std::chrono::milliseconds wait) {
    m_error.clear();
    MakePrivateDirectories(m_dataDir);
    if (!m_file.Open(&m_error))
        return Result::Failed;
    const bool window = m_holder == LockHolder::Window;
    if (window) {
        const CFileLock::Attempt attempt = m_file.TryLock(kWindowSlot);
        if (attempt != CFileLock::Attempt::Locked) {
            const std::string why = std::strerror(errno);
            m_error = Arg(Tr("DataLock", "it cannot be locked: %1"), {why});
            return attempt == CFileLock::Attempt::Busy ? Result::HeldByWindow : Result::Failed;
        }
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const CFileLock::Attempt attempt = m_file.TryLock(kDataSlot);
        if (attempt == CFileLock::Attempt::Locked)
            return Result::Acquired;
        if (attempt == CFileLock::Attempt::Error) {
            const std::string why = std::strerror(errno);
            m_error = Arg(Tr("DataLock", "it cannot be locked: %1"), {why});
            break;
        }
        if (!window && m_file.IsHeldByOther(kWindowSlot))
            return Result::HeldByWindow;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kPollInterval);
    }
    if (window)
        m_file.Unlock(kWindowSlot);
    return m_error.empty() ? Result::HeldByCommand : Result::Failed;
}
