#pragma once

#include "core/billing/CallArray.h"
#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "support/TzGuard.h"

#include <clocale>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

// Every minute costs 1 at any hour, so a call of n minutes costs n.
class ReportTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = CSettings();
        Settings.WeekdayDayRate = Settings.WeekdayNightRate = 1;
        Settings.WeekendDayRate = Settings.WeekendNightRate = 1;
        CurrencySymbol = "$";
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override {
        Settings = m_savedSettings;
        CurrencySymbol = m_savedSymbol;
        std::setlocale(LC_TIME, m_savedTimeLocale.c_str());
    }

    // Calls of the given lengths on 1 March 2024 from noon, one after another.
    const CCallArray& Calls(std::initializer_list<std::int64_t> seconds) {
        m_calls.RemoveAll();
        CTime start(2024, 3, 1, 12, 0, 0);
        for (const std::int64_t s : seconds) {
            m_calls.Add(CCallRecord(start, start + CTimeSpan(s)));
            start = start + CTimeSpan(s);
        }
        return m_calls;
    }
    // Calls given by their start and length in seconds, in this order.
    const CCallArray& CallsAt(std::initializer_list<std::pair<CTime, std::int64_t>> calls) {
        m_calls.RemoveAll();
        for (const auto& [start, seconds] : calls)
            m_calls.Add(CCallRecord(start, start + CTimeSpan(seconds)));
        return m_calls;
    }

private:
    CCallArray m_calls;
    TzGuard m_tz{"UTC0"};
    CSettings m_savedSettings = Settings;
    std::string m_savedSymbol = CurrencySymbol;
    std::string m_savedTimeLocale = std::setlocale(LC_TIME, nullptr);
};
