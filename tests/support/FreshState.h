// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/ProgramState.h"
#include "core/settings/Settings.h"
#include "support/TzGuard.h"

#include <gtest/gtest.h>

// Base fixture: built-in settings, nothing changed, "$" as the currency symbol and UTC, so each
// test starts from the program's state at process start whatever ran before it.
class FreshStateTest : public ::testing::Test {
protected:
    FreshStateTest() {
        Settings = CSettings{};
        SettingsChanged = false;
        LogChanged = false;
        CurrencySymbol = "$";
    }
    ~FreshStateTest() override { CurrencySymbol.clear(); }

    TzGuard m_utc{"UTC0"};
};
