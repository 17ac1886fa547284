// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// One of the program's icons ("corvellan", "call-running", "call-stopped", "logs", "customize",
// "hide", "exit", "help"), from bitmaps rendered at build time at every size it is shown at, 1x
// and 2x; Qt picks the nearest and keeps it.
QIcon LoadIcon(const char* name);
// The program's own icon for its windows.
QIcon LoadWindowIcon();
