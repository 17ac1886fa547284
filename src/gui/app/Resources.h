// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the icons and help pages compiled into the GUI library. A static library's resource
// initialiser is dropped by the linker unless something calls it, so every window that needs a
// resource calls this first; it is cheap after the first call.
void InitCorvellanResources();
