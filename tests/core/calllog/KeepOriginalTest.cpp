#include "core/calllog/CallLog.h"

#include "core/billing/CallArray.h"
#include "core/calllog/CallLogText.h"
#include "core/platform/Paths.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TzGuard.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
// A month emptied on purpose is written over Calls.log only after the old file is kept beside it;
// later saves of the same run do not make more copies.
TEST(KeepOriginalTest, KeepsTheLogOnceBeforeAClearedMonthIsWritten) {
    TzGuard tz("UTC0");
    Settings = CSettings{};
    TempDir dir;
    const Paths paths(dir.File("config/"), dir.File("data/"));
    ScriptedPrompter prompter;
    CCallLog log(paths, prompter);
    const CTime now(2025, 12, 9, 18, 30, 5);
    CCallArray calls;
    calls.Add(CCallRecord(CTime(2025, 12, 1, 20, 0, 0), CTime(2025, 12, 1, 20, 30, 0)));
    ASSERT_TRUE(log.Save(calls, now));
    const std::string month = TempDir::Read(paths.CallLogFile());

    calls.RemoveAll();
    log.KeepOriginalBeforeNextSave();
    ASSERT_TRUE(log.Save(calls, now));
    EXPECT_EQ(TempDir::Read(paths.CallLogFile() + ".bak-20251209-183005"), month);
    EXPECT_EQ(TempDir::Read(paths.CallLogFile()),
              FormatCallLog(calls, now, Settings.MonthLimit, CurrencySymbol));

    ASSERT_TRUE(log.Save(calls, now + CTimeSpan(60)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("data/")), {}), 2);
    EXPECT_EQ(prompter.shown.size(), 0u);
}
} // namespace
