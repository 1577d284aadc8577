// Stage: the two data files written (dict/DataFileWriter.h), their entries
// checked once more against the format's limits and order, and the
// edition the program is built with: what the header holds for them.
#pragma once

#include <string>

#include "tools/BuiltDictionary.h"
#include "tools/EditionHeader.h"
#include "tools/stages/StoredTexts.h"

namespace nira::datatool {

// The bytes of an entry: headword NUL persian NUL english for "persian"
// (storedPersian already in its stored form), headword NUL english for
// "english".
std::string PersianFileEntry(const PlainEntry& entry, const std::string& storedPersian);
std::string EnglishFileEntry(const PlainEntry& entry);

// Writes "persian" and "english" into dataDir; throws std::runtime_error
// when an entry breaks the format or a file cannot be written.
EditionConstants WriteDataFiles(const BuiltDictionary& built, const StoredTexts& stored,
                                const std::string& dataDir);

}  // namespace nira::datatool
