// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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
// replaced; the old file's permissions are kept, a new file is private (0600) whatever the umask.
// Refuses whatever IsReplaceable refuses. Missing parent directories are created private (0700).
// On failure returns false and puts a short reason into *error.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Creates dir and its missing parents, each private (0700) as the XDG rules ask; false with a
// reason when one cannot be made.
bool MakePrivateDirectories(const std::string& dir, std::string* error = nullptr);

// Whether a file can be made and written in dir now (a read-only folder, a full disk and a file
// size limit all say no); else *reason says why. Leaves nothing behind.
bool CanWriteIn(const std::string& dir, std::string* reason = nullptr);

// Removes the temporary files that a writer of path killed in the middle of WriteFileAtomically
// left beside it: only names of that exact shape (path + "." + six letters or digits), only
// regular files last changed more than a minute before now, so no write still going on is touched.
// Returns how many were removed.
int RemoveLeftoverTemporaries(const std::string& path, std::int64_t nowSeconds);

// The first of base, base-2, base-3, ... that names nothing yet; empty when all of the first
// hundred are taken.
std::string UnusedName(const std::string& base);

// Copies the regular file at from to a new private file at to (never over an existing one),
// flushed to disk.
bool CopyToNewFile(const std::string& from, const std::string& to, std::string* error = nullptr);
