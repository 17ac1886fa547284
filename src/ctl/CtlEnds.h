// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Translate.h"

#include <string>

// How every corvellanctl command ends, whether it read the files itself or asked the window:
// 0 done, 1 refused or failed (the reason is on the error stream), 2 bad command line, 3 status
// found no window running.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNotRunning = 3;

// What a refused add ends with, whoever refused it.
inline std::string NothingAdded() {
    return Tr("CtlCommands", "; nothing was added");
}
