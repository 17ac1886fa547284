// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/ProgramState.h"

std::string ProgramDirectory;
std::string CurrencySymbol;
bool LogChanged = false;
