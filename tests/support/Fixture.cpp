#include "support/Fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "dict/DataFileWriter.h"
#include "digest/Md5.h"
#include "platform/Constants.h"
#include "present/Scramble.h"

namespace nira::test {

namespace {

std::string JoinEntry(const std::string& headword,
                      const std::vector<std::string>& fields, bool finalNul) {
    std::string bytes = headword;
    bytes.push_back('\0');
    for (std::size_t i = 0; i < fields.size(); ++i) {
        bytes += fields[i];
        if (i + 1 < fields.size() || finalNul) bytes.push_back('\0');
    }
    return bytes;
}

std::vector<std::string> Headwords(const std::vector<FixtureEntry>& entries) {
    std::vector<std::string> headwords;
    for (const FixtureEntry& e : entries) headwords.push_back(e.headword);
    return headwords;
}

int32_t EntryNumber(const std::vector<std::string>& headwords,
                    const std::string& headword) {
    const auto it = std::find(headwords.begin(), headwords.end(), headword);
    return it == headwords.end() ? 0 : static_cast<int32_t>(it - headwords.begin() + 1);
}

LetterBucketTable TableOf(const std::vector<LetterBucketRow>& rows) {
    return LetterBucketTable{rows.data(), rows.size()};
}

}  // namespace

std::string ScrambleText(const std::string& plain, unsigned char key) {
    std::string stored;
    for (char c : plain) {
        const unsigned char s = ScrambleByte(static_cast<unsigned char>(c), key);
        if (s == 0) throw std::invalid_argument("text holds the byte the key cannot store");
        stored.push_back(static_cast<char>(s));
    }
    return stored;
}

std::string PersianFileEntry(const FixtureEntry& entry, unsigned char key) {
    std::vector<std::string> fields = entry.fields;
    if (!fields.empty()) fields[0] = ScrambleText(fields[0], key);
    return JoinEntry(entry.headword, fields, entry.finalNul);
}

std::string EnglishFileEntry(const FixtureEntry& entry) {
    return JoinEntry(entry.headword, entry.fields, entry.finalNul);
}

DataFileImage BuildPersianFile(const std::vector<FixtureEntry>& entries,
                               unsigned char key) {
    std::vector<std::string> stored;
    for (const FixtureEntry& e : entries) stored.push_back(PersianFileEntry(e, key));
    DataFileImage image;
    image.bytes = BuildDataFile(stored, image.indexBase);
    return image;
}

DataFileImage BuildEnglishFile(const std::vector<FixtureEntry>& entries) {
    std::vector<std::string> stored;
    for (const FixtureEntry& e : entries) stored.push_back(EnglishFileEntry(e));
    DataFileImage image;
    image.bytes = BuildDataFile(stored, image.indexBase);
    return image;
}

void WriteRawFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != 0 ? base : "/tmp") +
                          "/nira-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a folder from " + pattern);
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

FixtureDictionary::FixtureDictionary(
    const std::vector<FixtureEntry>& persianFileEntries,
    const std::vector<FixtureEntry>& englishFileEntries, unsigned char key)
    : m_persianHeadwords(Headwords(persianFileEntries)),
      m_englishHeadwords(Headwords(englishFileEntries)),
      m_englishRows(BuildEnglishTable(m_persianHeadwords)),
      m_persianRows(BuildPersianTable(m_englishHeadwords)) {
    m_edition.scrambleKey = key;
    m_edition.persian.buckets = TableOf(m_englishRows);
    m_edition.english.buckets = TableOf(m_persianRows);
    SetUpFile(m_edition.persian, kPersianFileName,
              BuildPersianFile(persianFileEntries, key), persianFileEntries.size(),
              m_persianDigest);
    SetUpFile(m_edition.english, kEnglishFileName,
              BuildEnglishFile(englishFileEntries), englishFileEntries.size(),
              m_englishDigest);

    m_dict.UseEdition(m_edition);
    if (!m_dict.OpenFiles(Folder(), m_edition)) {
        throw std::runtime_error("cannot open the fixture files in " + Folder());
    }
}

void FixtureDictionary::SetUpFile(DataFileEdition& edition, const char* name,
                                  const DataFileImage& image,
                                  std::size_t entryCount, std::string& digest) {
    WriteRawFile(m_folder.FilePath(name), image.bytes);
    digest = CMd5::DigestOfBytes(
        reinterpret_cast<const unsigned char*>(image.bytes.data()), image.bytes.size());
    edition.name = name;
    edition.indexBase = image.indexBase;
    edition.highestEntry = static_cast<int32_t>(entryCount);
    edition.digest = digest.c_str();
}

std::string FixtureDictionary::PersianPath() const {
    return m_folder.FilePath(kPersianFileName);
}

std::string FixtureDictionary::EnglishPath() const {
    return m_folder.FilePath(kEnglishFileName);
}

int32_t FixtureDictionary::PersianEntryNumber(const std::string& headword) const {
    return EntryNumber(m_persianHeadwords, headword);
}

int32_t FixtureDictionary::EnglishEntryNumber(const std::string& headword) const {
    return EntryNumber(m_englishHeadwords, headword);
}

}  // namespace nira::test
