// The INI file: read as the Windows profile functions read it, written
// whole through a temporary file so that a failed save damages nothing.
#pragma once

#include <string>

namespace nira {

// The value of key in section: its leading signed decimal number ("12abc"
// is 12, "-8" is -8, no number is 0); defaultValue only when the key or the
// file is missing.
int GetPrivateProfileInt(const std::string& section, const std::string& key,
                         int defaultValue, const std::string& path);

// Sets key in section, keeping every other line of the file; creates the
// file when missing. False when the file cannot be written; the old file
// is then left as it was.
bool WritePrivateProfileString(const std::string& section,
                               const std::string& key,
                               const std::string& value,
                               const std::string& path);

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string UserConfigDir();

}  // namespace nira
