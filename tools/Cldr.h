// Persian names from Unicode CLDR (the npm packages cldr-localenames-full,
// cldr-dates-full and cldr-units-full): languages, territories, scripts,
// Gregorian months and weekdays, units, each paired with its English name
// from the same release.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/Sources.h"

namespace nira::datatool {

// The string members of the object at path (keys separated by '/') in a
// JSON text; an object member's own string member `member` when member is
// not empty. Throws std::runtime_error on malformed JSON or a missing path.
std::map<std::string, std::string> JsonStrings(const std::string& json, const std::string& path,
                                               const std::string& member = std::string());

// All the pairs, in a fixed order: kind by kind, each by its CLDR key.
// Throws std::runtime_error naming a file that is missing or malformed.
std::vector<NamePair> ReadCldrNames(const std::string& folder);

}  // namespace nira::datatool
