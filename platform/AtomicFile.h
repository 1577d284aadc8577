// Whole-file reads and replacements that never leave a partial file.
#pragma once

#include <string>
#include <sys/types.h>

namespace nira {

enum class ReadResult { kRead, kMissing, kTooLarge, kError };

// Reads the whole file into text when it holds at most maxBytes; kTooLarge
// leaves the first maxBytes in text.
ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text);

// Creates folder and its missing parents (like mkdir -p), new ones with
// mode. True when the folder exists afterwards.
bool MakeFolders(const std::string& folder, mode_t mode);

// Replaces the file at path (or, for a symbolic link, its target) by
// content: writes a temporary file beside it, flushes it to disk and
// renames it over the old one. On any failure the old file stays as it was
// and no temporary file is left. An existing file keeps its permissions; a
// new one gets 0600.
bool ReplaceFile(const std::string& path, const std::string& content);

// The folder part of path ("." when there is none).
std::string FolderOf(const std::string& path);

}  // namespace nira
