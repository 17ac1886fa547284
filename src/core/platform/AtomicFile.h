#pragma once

#include <string>
#include <string_view>

// Replaces the file at path with bytes, or leaves it exactly as it was: the bytes go to a temporary
// file in the same directory, every write and the close are checked, the data is flushed to disk,
// and only then is the temporary renamed over the target. Missing parent directories are created.
// On failure returns false and puts a short reason into *error.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Reads a whole file. Returns false when it cannot be opened or read, or is larger than maxBytes
// (then *tooLarge is set).
bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes, bool* tooLarge = nullptr);
