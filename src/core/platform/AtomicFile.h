#pragma once

#include <string>
#include <string_view>

// What became of reading a file. Only a path where nothing exists is Missing: a link to nothing,
// a directory, a FIFO or a file we may not read is Failed, so it is never mistaken for "no file yet".
enum class ReadStatus { Ok, Missing, Failed, TooLarge };

// Reads a whole regular file. Anything else is refused before it is opened for reading, so a FIFO
// or a device can never block the program. On Failed, *reason says why in a few words.
ReadStatus ReadRegularFile(const std::string& path, std::string& out, std::size_t maxBytes,
                           std::string* reason = nullptr);

// The same, true only for Ok (*tooLarge is set for TooLarge).
bool ReadWholeFile(const std::string& path, std::string& out, std::size_t maxBytes, bool* tooLarge = nullptr);

// Whether something (even a link to nothing) is at path.
bool PathExists(const std::string& path);

// Whether WriteFileAtomically may replace what is at path: nothing there yet, or a regular file
// (reached directly or through links) that can be read and is not read-only. Else *reason says why.
bool IsReplaceable(const std::string& path, std::string* reason = nullptr);

// Replaces the file at path with bytes, or leaves it exactly as it was: the bytes go to a temporary
// file in the same directory, every write and the close are checked, the data is flushed to disk,
// and only then is the temporary renamed over the target. A link is followed and its target
// replaced; the old file's permissions are kept. Refuses whatever IsReplaceable refuses. Missing
// parent directories are created. On failure returns false and puts a short reason into *error.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// The first of base, base-2, base-3, ... that names nothing yet; empty when all of the first
// hundred are taken.
std::string UnusedName(const std::string& base);

// Copies the regular file at from to a new file at to (never over an existing one), flushed to disk.
bool CopyToNewFile(const std::string& from, const std::string& to, std::string* error = nullptr);
