// Small data files for tests: written into a temporary folder from a list
// of entries, opened, and handed back as a ready Dictionary.
//
//   nira::test::FixtureDictionary fx(
//       {{"apple", {"sib", "a fruit"}}, {"book", {"ketab", "1- (n.) ..."}}},
//       {{"\xC2\xC8", {"water"}}});
//   nira::LookupState state;
//   nira::LookupResult result;
//   nira::LookUpWord(u"book", 4, state, fx.Dict(), result);
//
// Entries are written in the order given (give them in headword order for
// a searchable file). "persian" entries hold the Persian meaning (plain
// text here, stored scrambled with the fixture's key) and the English
// definition; "english" entries hold one English meaning. The letter tables
// are built from the headwords, so every first byte has its own bucket.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dict/Edition.h"
#include "dict/Lookup.h"

namespace nira::test {

// Any plain byte but 0xB5 can be stored under this key.
constexpr unsigned char kFixtureScrambleKey = 0xB6;

// One entry: its headword, then its fields in stored order, each ended by a
// NUL unless finalNul is false for the last one.
struct FixtureEntry {
    std::string headword;
    std::vector<std::string> fields;
    bool finalNul = true;
};

// The stored form of a plain text; throws std::invalid_argument when the
// text holds the one byte the key cannot store.
std::string ScrambleText(const std::string& plain, unsigned char key);

// The bytes of an entry of "persian" (first field scrambled) or "english".
std::string PersianFileEntry(const FixtureEntry& entry, unsigned char key);
std::string EnglishFileEntry(const FixtureEntry& entry);

// A data file's bytes and the end of its entry area.
struct DataFileImage {
    std::string bytes;
    int32_t indexBase = 0;
};
DataFileImage BuildPersianFile(const std::vector<FixtureEntry>& entries,
                               unsigned char key);
DataFileImage BuildEnglishFile(const std::vector<FixtureEntry>& entries);

// Writes bytes as they stand, for corrupt files; throws on failure.
void WriteRawFile(const std::string& path, const std::string& bytes);

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string FilePath(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Both data files written into a TempFolder as "persian" and "english",
// opened, with their letter tables and the scramble key set.
class FixtureDictionary {
public:
    FixtureDictionary(const std::vector<FixtureEntry>& persianFileEntries,
                      const std::vector<FixtureEntry>& englishFileEntries,
                      unsigned char key = kFixtureScrambleKey);
    FixtureDictionary(const FixtureDictionary&) = delete;
    FixtureDictionary& operator=(const FixtureDictionary&) = delete;

    Dictionary& Dict() { return m_dict; }
    const Dictionary& Dict() const { return m_dict; }
    const std::string& Folder() const { return m_folder.Path(); }
    std::string PersianPath() const;
    std::string EnglishPath() const;

    // What a program built for these files holds: IndexBases, highest
    // entry numbers, MD5 digests, letter tables and the key.
    const DictionaryEdition& Edition() const { return m_edition; }

    // The 1-based entry number of a headword in the file, 0 when absent.
    int32_t PersianEntryNumber(const std::string& headword) const;
    int32_t EnglishEntryNumber(const std::string& headword) const;

private:
    void SetUpFile(DataFileEdition& edition, const char* name,
                   const DataFileImage& image, std::size_t entryCount,
                   std::string& digest);

    TempFolder m_folder;
    std::vector<std::string> m_persianHeadwords;
    std::vector<std::string> m_englishHeadwords;
    std::vector<LetterBucketRow> m_englishRows;
    std::vector<LetterBucketRow> m_persianRows;
    std::string m_persianDigest;
    std::string m_englishDigest;
    DictionaryEdition m_edition;
    Dictionary m_dict;
};

}  // namespace nira::test
