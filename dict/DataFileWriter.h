// Writing a data file: entries back to back, then the EntryIndex. Used by
// the data build and by tests that need small files of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dict/Edition.h"

namespace nira {

// The file's bytes for entries already in headword order (each entry is
// headword NUL fields...). indexBase receives the end of the entry area.
std::string BuildDataFile(const std::vector<std::string>& entries,
                          int32_t& indexBase);

// LetterBucket rows for the headwords of a "persian" file (English
// headwords): one row for each letter a..z, N being the entries before it,
// then the 0xFF end row. Headwords must be in order.
std::vector<LetterBucketRow> BuildEnglishTable(
    const std::vector<std::string>& headwords);

// Rows for an "english" file (Persian headwords): one row per distinct
// first byte, in file order, then the 0xFF end row.
std::vector<LetterBucketRow> BuildPersianTable(
    const std::vector<std::string>& headwords);

}  // namespace nira
