#include "tools/DataBuild.h"

#include <stdexcept>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "dict/DataFileWriter.h"
#include "digest/Md5.h"
#include "platform/Cp1256.h"
#include "tools/CodePageText.h"
#include "tools/DictionaryBuild.h"
#include "tools/EditionHeader.h"
#include "tools/SourceFile.h"

namespace nira::datatool {
namespace {

constexpr std::size_t kMaxWelcomeBytes = kWelcomeUnits - 1;

std::string ReadProgramText(const std::string& path, std::size_t maxBytes) {
    const ProgramText text = ProgramTextBytes(ReadWholeFile(path));
    if (!text.missing.empty()) {
        throw std::runtime_error(path + ": code page 1256 has no byte for \"" +
                                 Utf16ToUtf8(text.missing) + "\"");
    }
    if (text.bytes.empty() || text.bytes.size() > maxBytes) {
        throw std::runtime_error(path + ": " + std::to_string(text.bytes.size()) +
                                 " bytes in code page 1256, must be 1 to " + std::to_string(maxBytes));
    }
    return text.bytes;
}

// The writer's own limits, checked once more on what is written: a file
// that breaks them would be read wrongly by every lookup.
void CheckEntries(const std::vector<std::string>& entries, const std::vector<PlainEntry>& plain,
                  const char* file) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& headword = plain[i].headword;
        const bool ordered = i == 0 ||
            CompareHeadword(reinterpret_cast<const unsigned char*>(plain[i - 1].headword.c_str()),
                            reinterpret_cast<const unsigned char*>(headword.c_str())) < 0;
        if (headword.empty() || headword.size() > static_cast<std::size_t>(kMaxHeadwordBytes) ||
            entries[i].size() > static_cast<std::size_t>(kMaxEntryBytes) || !ordered) {
            throw std::runtime_error(std::string("entry ") + std::to_string(i + 1) + " of \"" + file +
                                     "\" breaks the format's limits or order");
        }
    }
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
    file.digest = CMd5::DigestOfBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    const std::vector<std::string> headwords = HeadwordsOf(plain);
    file.table = englishHeadwords ? BuildEnglishTable(headwords) : BuildPersianTable(headwords);
    return file;
}

void Report(std::ostream& out, const BuiltDictionary& built, const EditionConstants& edition,
            std::size_t welcomeBytes, std::size_t aboutBytes) {
    const BuildCounts& c = built.counts;
    out << "nira-build-data: \"persian\": " << built.englishHeadwords.size() << " English headwords ("
        << c.wordNetLemmas << " from WordNet, " << c.wiktionaryOnly << " from Wiktionary only), "
        << c.withPersian << " with a Persian meaning, " << c.withDefinition << " with a definition; "
        << edition.persian.indexBase + 4 * static_cast<int64_t>(edition.persian.highestEntry) << " bytes, md5 "
        << edition.persian.digest << "\n"
        << "nira-build-data: \"english\": " << built.persianHeadwords.size() << " Persian headwords; "
        << edition.english.indexBase + 4 * static_cast<int64_t>(edition.english.highestEntry) << " bytes, md5 "
        << edition.english.digest << "\n"
        << "nira-build-data: skipped " << c.longEnglishSkipped << " English headwords over "
        << kMaxHeadwordBytes << " bytes, " << c.foreignEnglishSkipped
        << " Wiktionary headwords with non-ASCII letters, " << c.persianWordsDropped
        << " Persian pieces without a Persian word, " << c.unknownSynsets << " links to unknown synsets; "
        << c.meaningsCut << " meanings cut to fit\n"
        << "nira-build-data: automatic Persian WordNet links (per word): " << c.automaticConfirmed
        << " confirmed by a curated list, " << c.automaticKept << " kept on other evidence, "
        << c.automaticDropped << " left out\n"
        << "nira-build-data: scramble key " << static_cast<int>(edition.scrambleKey) << ", welcome text "
        << welcomeBytes << " bytes, About text " << aboutBytes << " bytes\n";
}

}  // namespace

void RunDataBuild(const DataBuildPaths& paths, std::ostream& report) {
    const Sources sources = ReadSources(paths.sources);
    const std::string welcome = ReadProgramText(paths.welcome, kMaxWelcomeBytes);
    const std::string about = ReadProgramText(paths.about, kMaxAboutBytes);
    CWordNet wordNet;
    wordNet.Load(paths.wordNet);
    const BuiltDictionary built = BuildDictionary(wordNet, sources);

    ByteSet scrambled{};
    ByteSet xored{};
    for (const PlainEntry& e : built.englishHeadwords) AddBytes(scrambled, e.persian);
    AddBytes(scrambled, welcome);
    AddBytes(xored, about);
    const std::optional<unsigned char> key = ChooseScrambleKey(scrambled, xored);
    if (!key) throw std::runtime_error("no scramble key fits the texts: every byte value is used");

    std::vector<std::string> persianEntries;
    persianEntries.reserve(built.englishHeadwords.size());
    for (const PlainEntry& e : built.englishHeadwords) {
        persianEntries.push_back(PersianFileEntry(e, ScrambleText(e.persian, *key)));
    }
    std::vector<std::string> englishEntries;
    englishEntries.reserve(built.persianHeadwords.size());
    for (const PlainEntry& e : built.persianHeadwords) englishEntries.push_back(EnglishFileEntry(e));
    CheckEntries(persianEntries, built.englishHeadwords, kPersianFileName);
    CheckEntries(englishEntries, built.persianHeadwords, kEnglishFileName);

    EditionConstants edition;
    edition.scrambleKey = *key;
    edition.persian = WriteDataFile(persianEntries, built.englishHeadwords,
                                    JoinPath(paths.dataDir, kPersianFileName), true);
    edition.english = WriteDataFile(englishEntries, built.persianHeadwords,
                                    JoinPath(paths.dataDir, kEnglishFileName), false);
    for (const std::string& piece : SplitIntoPieces(welcome, kWelcomePieceCount)) {
        edition.welcomePieces.push_back(ScrambleText(piece, *key));
    }
    edition.aboutStored = XorText(about, *key);
    WriteWholeFile(paths.header, EditionHeaderText(edition));
    Report(report, built, edition, welcome.size(), about.size());
}

}  // namespace nira::datatool
