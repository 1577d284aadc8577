// The INI file: read as the Windows profile functions read it, written
// whole through a temporary file so that a failed save damages nothing.
//
// Section and key names compare case-insensitively (ASCII); the first
// matching section and the first matching key in it count. Lines are
// "[section]" headers and "key=value" pairs, both trimmed of blanks; any
// other line (comments, garbage) is kept on writing and ignored on reading.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace nira {

// The value of key in section: its leading signed decimal number after
// blanks ("12abc" is 12, "-8" is -8, no number is 0); defaultValue only
// when the key, its section or the file is missing (or unreadable, or not
// a regular file: a FIFO or a device is never read). Digits
// accumulate modulo 2^32 as the Windows function does, so an overlong
// number wraps instead of overflowing. Only the first kMaxProfileBytes of
// the file are read.
int GetPrivateProfileInt(const std::string& section, const std::string& key,
                         int defaultValue, const std::string& path);

// Sets key in section, keeping every other line of the file; creates the
// file when missing. False when the file cannot be written; the old file
// is then left as it was.
bool WritePrivateProfileString(const std::string& section,
                               const std::string& key,
                               const std::string& value,
                               const std::string& path);

// Sets several keys of one section in a single rewrite: either all of them
// are saved or none. Keys found are replaced where they stand; missing keys
// are added, in the given order, after the section's last line, and a
// missing section is appended. The file's folder is created when missing
// (new folders 0700). The whole file is rewritten whatever its size. False,
// leaving the old file untouched, when the folder or the file cannot be
// written, when the existing file cannot be read or is not a regular file,
// or when a name or value holds a line break (or a section name ']', a key
// '=' or a leading '[').
bool WritePrivateProfileStrings(
    const std::string& section,
    const std::vector<std::pair<std::string, std::string>>& keyValues,
    const std::string& path);

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config, else the password database's home + "/.config";
// "" when no home is known.
std::string UserConfigDir();

// The reader looks no further into a file than this; the writer keeps all.
constexpr std::size_t kMaxProfileBytes = 1 << 20;

}  // namespace nira
