#include "core/billing/CallArray.h"
#include "core/calllog/AddedCall.h"
#include "core/calllog/DataLock.h"
#include "core/platform/Paths.h"

#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using namespace std::chrono_literals;
using Result = CDataLock::Result;

// Two logged calls, 10:00-10:10 and 12:00-12:10; each row adds one, given in minutes after 10:00.
TEST(AddedCallTest, RefusesAnOverlapAndKeepsTheListInOrderOfEnds) {
    TzGuard tz("UTC0");
    const CTime ten(2024, 3, 6, 10, 0, 0);
    const auto at = [&](int minutes) {
        return ten + CTimeSpan(minutes * 60);
    };
    const struct {
        int start, end;
        std::optional<int> overlapped; // start of the logged call named, in minutes
        std::vector<int> starts;       // of the list afterwards
    } rows[] = {
        {-60, -30, {}, {-60, 0, 120}}, {10, 20, {}, {0, 10, 120}}, // touching the end of one
        {110, 120, {}, {0, 110, 120}}, {130, 130, {}, {0, 120, 130}}, {5, 6, 0, {}}, {-60, 180, 0, {}},
        {129, 150, 120, {}},           {120, 120 + 10, 120, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.start) + " to " + std::to_string(row.end));
        CCallArray calls;
        calls.Add(CCallRecord(at(0), at(10)));
        calls.Add(CCallRecord(at(120), at(130)));
        const std::optional<CCallRecord> overlap = FindOverlappingCall(calls, at(row.start), at(row.end));
        EXPECT_EQ(overlap ? std::optional(overlap->GetStart()) : std::nullopt,
                  row.overlapped ? std::optional(at(*row.overlapped)) : std::nullopt);
        if (overlap)
            continue;
        InsertByEnd(calls, at(row.start), at(row.end));
        std::vector<int> starts;
        for (int i = 0; i < calls.GetSize(); ++i)
            starts.push_back(static_cast<int>((calls.GetAt(i).GetStart() - ten).GetTotalSeconds() / 60));
        EXPECT_EQ(starts, row.starts);
    }
}

class DataLockTest : public ::testing::Test {
protected:
    // A child process that takes the lock, then holds it for holdFor or until it is killed.
    pid_t HoldInChild(LockHolder holder, std::chrono::milliseconds holdFor) {
        int ready[2];
        char taken = 'n';
        const pid_t child = ::pipe(ready) == 0 ? ::fork() : -1;
        if (child == 0) {
            CDataLock lock(paths, holder);
            taken = lock.Acquire(0ms) == Result::Acquired ? 'y' : 'n';
            if (::write(ready[1], &taken, 1) == 1)
                ::usleep(static_cast<useconds_t>(holdFor.count() * 1000));
            ::_exit(0);
        }
        return child > 0 && ::read(ready[0], &taken, 1) == 1 && taken == 'y' ? child : -1;
    }

    TempDir dir;
    Paths paths{dir.File("config"), dir.File("data")};
};

// Who holds the lock, who asks for it, and what the one asking learns without waiting; then a lock
// file that cannot be one.
TEST_F(DataLockTest, TellsWhoHoldsIt) {
    const std::tuple<LockHolder, LockHolder, Result> rows[] = {
        {LockHolder::Window, LockHolder::Window, Result::HeldByWindow},
        {LockHolder::Window, LockHolder::Command, Result::HeldByWindow},
        {LockHolder::Command, LockHolder::Command, Result::HeldByCommand},
        {LockHolder::Command, LockHolder::Window, Result::HeldByCommand},
    };
    for (const auto& [holder, asking, result] : rows) {
        std::optional<CDataLock> first(std::in_place, paths, holder);
        ASSERT_EQ(first->Acquire(0ms), Result::Acquired);
        CDataLock second(paths, asking);
        EXPECT_EQ(second.Acquire(0ms), result);
        first.reset();
        EXPECT_EQ(second.Acquire(0ms), Result::Acquired) << "free once its holder lets go";
    }
    ::unlink(paths.LockFile().c_str());
    ::mkfifo(paths.LockFile().c_str(), 0600);
    CDataLock onFifo(paths, LockHolder::Command);
    EXPECT_EQ(onFifo.Acquire(0ms), Result::Failed);
    EXPECT_NE(onFifo.Error(), "");
}

// A command waits for another command; a lock dies with its holder, however it dies.
TEST_F(DataLockTest, ACommandWaitsForAnotherAndNoLockOutlivesItsHolder) {
    const pid_t command = HoldInChild(LockHolder::Command, 300ms);
    ASSERT_GT(command, 0);
    EXPECT_EQ(CDataLock(paths, LockHolder::Command).Acquire(10s), Result::Acquired);
    ::waitpid(command, nullptr, 0);

    CDataLock window(paths, LockHolder::Window);
    const pid_t killed = HoldInChild(LockHolder::Window, 60s);
    ASSERT_GT(killed, 0);
    EXPECT_EQ(window.Acquire(0ms), Result::HeldByWindow);
    ::kill(killed, SIGKILL);
    ::waitpid(killed, nullptr, 0);
    EXPECT_EQ(window.Acquire(0ms), Result::Acquired);
}
} // namespace
