#pragma once

#include <cstddef>
#include <functional>

// Runs body in a forked child whose files may not grow beyond bytes, so that a write fails part-way
// even for root, and returns what body returned. The test process keeps its own limits.
bool RunWithFileSizeLimit(std::size_t bytes, const std::function<bool()>& body);
