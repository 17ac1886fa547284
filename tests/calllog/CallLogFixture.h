#pragma once

#include "app/Settings.h"
#include "billing/CallArray.h"
#include "calllog/CallLogText.h"
#include "platform/ProgramState.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>

// Built-in settings, a dollar sign, LogChanged clear and local time = UTC for every test.
class CallLogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings{};
        CurrencySymbol = "$";
        LogChanged = false;
    }

    // One rate everywhere, so a call costs its minutes times the rate.
    static void SetFlatRate(double rate) {
        Settings.WeekdayDayRate = Settings.WeekdayNightRate = rate;
        Settings.WeekendDayRate = Settings.WeekendNightRate = rate;
    }

    static void Fill(CCallArray& calls, const std::vector<LoggedCall>& list) {
        for (const LoggedCall& call : list)
            calls.Add(CCallRecord(call.start, call.end));
    }

    static std::vector<LoggedCall> Times(const CCallArray& calls) {
        std::vector<LoggedCall> list;
        for (int i = 0; i < calls.GetSize(); ++i)
            list.push_back({calls.GetAt(i).GetStart(), calls.GetAt(i).GetEnd()});
        return list;
    }

    TzGuard m_tz{"UTC0"};
};
