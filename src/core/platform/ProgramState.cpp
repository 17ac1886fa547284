#include "core/platform/ProgramState.h"

std::string ProgramDirectory;
std::string CurrencySymbol;
bool LogChanged = false;
