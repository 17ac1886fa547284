#include "core/billing/CallArray.h"
#include "core/calllog/CallLog.h"
#include "core/platform/Paths.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <filesystem>
#include <gtest/gtest.h>

// A month emptied on purpose replaces Calls.log only after the old file is kept beside it, once.
TEST(KeepOriginalTest, KeepsTheLogOnceBeforeAClearedMonthIsWritten) {
    TzGuard tz("UTC0");
    TempDir dir;
    ScriptedPrompter prompter;
    CCallLog log(Paths(dir.File("config/"), dir.File("data/")), prompter);
    const CTime now(2025, 12, 9, 18, 30, 5);
    CCallArray calls;
    calls.Add(CCallRecord(CTime(2025, 12, 1, 20, 0, 0), CTime(2025, 12, 1, 20, 30, 0)));
    ASSERT_TRUE(log.Save(calls, now));
    const std::string month = TempDir::Read(dir.File("data/Calls.log"));
    calls.RemoveAll();
    log.KeepOriginalBeforeNextSave();
    ASSERT_TRUE(log.Save(calls, now));
    ASSERT_TRUE(log.Save(calls, now + CTimeSpan(60)));
    EXPECT_EQ(TempDir::Read(dir.File("data/Calls.log.bak-20251209-183005")), month);
    EXPECT_NE(TempDir::Read(dir.File("data/Calls.log")).find("Number of calls made:\t0"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("data/")), {}), 2);
}
