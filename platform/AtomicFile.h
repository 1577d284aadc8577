// Whole-file reads and replacements that never leave a partial file.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace nira {

// kNotRegular: a FIFO, a device or a socket, never read (it would block or
// never end).
enum class ReadResult { kRead, kMissing, kTooLarge, kNotRegular, kError };

// maxBytes for reading a file whatever its size.
constexpr std::size_t kWholeFile = static_cast<std::size_t>(-1);

// Reads the whole file into text when it holds at most maxBytes; kTooLarge
// leaves the first maxBytes in text.
ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text);

// Creates folder and its missing parents (like mkdir -p), new ones with
// mode. True when the folder exists afterwards.
bool MakeFolders(const std::string& folder, mode_t mode);

// Replaces the file at path (or, for a symbolic link, its target, made
// with its folder when missing) by content: writes a temporary file beside
// it, flushes it to disk and renames it over the old one. On any failure
// the old file stays as it was and no temporary file is left. When no
// temporary file can be made there, an existing file is rewritten in place
// instead (its old content put back should that fail). An existing file
// keeps its permissions; a new one gets 0600. A path that is not a regular
// file (a FIFO, a device) is never replaced. Temporary files of this file
// that an interrupted save left behind are removed.
bool ReplaceFile(const std::string& path, const std::string& content);

// The folder part of path ("." when there is none).
std::string FolderOf(const std::string& path);

}  // namespace nira
