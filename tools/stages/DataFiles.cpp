#include "tools/stages/DataFiles.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "dict/DataFileWriter.h"
#include "digest/Md5.h"
#include "platform/Constants.h"
#include "tools/SourceFile.h"

namespace nira::datatool {
namespace {

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.c_str());
}

// The writer's own limits, checked once more on what is written: a file
// that breaks them would be read wrongly by every lookup.
void CheckEntries(const std::vector<std::string>& entries, const std::vector<PlainEntry>& plain,
                  const char* file) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& headword = plain[i].headword;
        const bool ordered = i == 0 || CompareHeadword(Bytes(plain[i - 1].headword), Bytes(headword)) < 0;
        if (headword.empty() || headword.size() > static_cast<std::size_t>(kMaxHeadwordBytes) ||
            entries[i].size() > static_cast<std::size_t>(kMaxEntryBytes) || !ordered) {
            throw std::runtime_error(std::string("entry ") + std::to_string(i + 1) + " of \"" + file +
                                     "\" breaks the format's limits or order");
        }
    }
}

std::vector<std::string> PersianFileEntries(const BuiltDictionary& built, const StoredTexts& stored) {
    std::vector<std::string> entries;
    entries.reserve(built.englishHeadwords.size());
    for (std::size_t i = 0; i < built.englishHeadwords.size(); ++i) {
        entries.push_back(PersianFileEntry(built.englishHeadwords[i], stored.persianMeanings[i]));
    }
    return entries;
}

std::vector<std::string> EnglishFileEntries(const BuiltDictionary& built) {
    std::vector<std::string> entries;
    entries.reserve(built.persianHeadwords.size());
    for (const PlainEntry& e : built.persianHeadwords) entries.push_back(EnglishFileEntry(e));
    return entries;
}

std::vector<std::string> HeadwordsOf(const std::vector<PlainEntry>& entries) {
    std::vector<std::string> headwords;
    headwords.reserve(entries.size());
    for (const PlainEntry& e : entries) headwords.push_back(e.headword);
    return headwords;
}

EditionFile WriteDataFile(const std::vector<std::string>& entries, const std::vector<PlainEntry>& plain,
                          const std::string& path, bool englishHeadwords) {
    EditionFile file;
    const std::string bytes = BuildDataFile(entries, file.indexBase);
    WriteWholeFile(path, bytes);
    file.highestEntry = static_cast<int32_t>(entries.size());
    file.digest = CMd5::DigestOfBytes(Bytes(bytes), bytes.size());
    const std::vector<std::string> headwords = HeadwordsOf(plain);
    file.table = englishHeadwords ? BuildEnglishTable(headwords) : BuildPersianTable(headwords);
    return file;
}

EditionContent ContentOf(const BuiltDictionary& built) {
    const BuildCounts& c = built.counts;
    EditionContent content;
    content.englishTranslated = static_cast<int32_t>(c.withPersian);
    content.englishHintOnly = static_cast<int32_t>(c.withHintOnly);
    content.englishNeither = static_cast<int32_t>(built.englishHeadwords.size() - c.withPersian - c.withHintOnly);
    content.persianHeadwords = static_cast<int32_t>(built.persianHeadwords.size());
    content.persianFromVocabulary = static_cast<int32_t>(c.persianFromVocabulary);
    content.persianSingleWords = static_cast<int32_t>(
        std::count_if(built.persianHeadwords.begin(), built.persianHeadwords.end(),
                      [](const PlainEntry& e) { return e.headword.find(' ') == std::string::npos; }));
    content.persianFromOwnVocabulary = static_cast<int32_t>(c.persianFromOwnVocabulary);
    return content;
}

}  // namespace

std::string PersianFileEntry(const PlainEntry& entry, const std::string& storedPersian) {
    std::string bytes = entry.headword;
    bytes += '\0';
    bytes += storedPersian;
    bytes += '\0';
    bytes += entry.english;
    return bytes;
}

std::string EnglishFileEntry(const PlainEntry& entry) {
    std::string bytes = entry.headword;
    bytes += '\0';
    bytes += entry.english;
    return bytes;
}

EditionConstants WriteDataFiles(const BuiltDictionary& built, const StoredTexts& stored,
                                const std::string& dataDir) {
    const std::vector<std::string> persianEntries = PersianFileEntries(built, stored);
    const std::vector<std::string> englishEntries = EnglishFileEntries(built);
    CheckEntries(persianEntries, built.englishHeadwords, kPersianFileName);
    CheckEntries(englishEntries, built.persianHeadwords, kEnglishFileName);

    EditionConstants edition;
    edition.scrambleKey = stored.scrambleKey;
    edition.content = ContentOf(built);
    edition.persian = WriteDataFile(persianEntries, built.englishHeadwords,
                                    JoinPath(dataDir, kPersianFileName), true);
    edition.english = WriteDataFile(englishEntries, built.persianHeadwords,
                                    JoinPath(dataDir, kEnglishFileName), false);
    edition.welcomePieces = stored.welcomePieces;
    edition.aboutStored = stored.about;
    return edition;
}

}  // namespace nira::datatool
