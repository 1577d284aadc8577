#include "tools/DataBuild.h"

#include <stdexcept>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "dict/DataFileWriter.h"
#include "digest/Md5.h"
#include "platform/Constants.h"
#include "present/Constants.h"
#include "present/ContentReport.h"
#include "text/Cp1256.h"
#include "tools/Cldr.h"
#include "tools/CodePageText.h"
#include "tools/DictionaryBuild.h"
#include "tools/EditionHeader.h"
#include "tools/InflectedForms.h"
#include "tools/SourceFile.h"
#include "tools/Vocabulary.h"
#include "tools/WordFormTables.h"

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

EditionContent ContentOf(const BuiltDictionary& built) {
    const BuildCounts& c = built.counts;
    EditionContent content;
    content.englishTranslated = static_cast<int32_t>(c.withPersian);
    content.englishHintOnly = static_cast<int32_t>(c.withHintOnly);
    content.englishNeither = static_cast<int32_t>(built.englishHeadwords.size() - c.withPersian - c.withHintOnly);
    content.persianHeadwords = static_cast<int32_t>(built.persianHeadwords.size());
    content.persianFromVocabulary = static_cast<int32_t>(c.persianFromVocabulary);
    return content;
}

void Report(std::ostream& out, const BuiltDictionary& built, const EditionConstants& edition,
            std::size_t welcomeBytes, std::size_t aboutBytes) {
    const BuildCounts& c = built.counts;
    const EditionContent& content = edition.content;
    out << "nira-build-data: \"persian\": " << built.englishHeadwords.size() << " English headwords ("
        << c.wordNetLemmas << " from WordNet, " << c.wiktionaryOnly << " from Wiktionary only, "
        << c.vocabularyOnly << " from our vocabulary only), " << c.withDefinition << " with a definition, "
        << c.withLemmaPersian << " inflected forms with their lemma's Persian; "
        << edition.persian.indexBase + 4 * static_cast<int64_t>(edition.persian.highestEntry) << " bytes, md5 "
        << edition.persian.digest << "\n"
        << ContentReport(content, "nira-build-data: ")
        << "nira-build-data: \"english\": " << built.persianHeadwords.size() << " Persian headwords ("
        << c.persianFromVocabulary << " from our vocabulary, " << c.persianOnlyFromVocabulary << " only from it); "
        << edition.english.indexBase + 4 * static_cast<int64_t>(edition.english.highestEntry) << " bytes, md5 "
        << edition.english.digest << "\n"
        << "nira-build-data: skipped " << c.longEnglishSkipped << " English headwords over "
        << kMaxHeadwordBytes << " bytes, " << c.foreignEnglishSkipped
        << " Wiktionary headwords with non-ASCII letters, " << c.persianWordsDropped
        << " Persian pieces without a Persian word, " << c.unknownSynsets << " links to unknown synsets; "
        << c.meaningsCut << " meanings cut to fit; " << c.emptyEnglishSkipped
        << " headwords with no meaning at all not written\n"
        << "nira-build-data: added from the sources: " << c.wiktionaryOneSynset + c.wiktionaryByGloss
        << " Wiktionary senses placed on their synsets (" << c.wiktionaryOneSynset << " the only synset, "
        << c.wiktionaryByGloss << " by gloss), " << c.namesLinked << " CLDR names on their headwords; "
        << built.counts.vocabularyRows << " rows of our vocabulary (" << c.vocabularySkipped << " not usable)\n"
        << "nira-build-data: automatic Persian WordNet links (per word): " << c.automaticConfirmed
        << " confirmed by a curated list, " << c.automaticKept << " kept on other evidence, "
        << c.automaticDropped << " left out\n"
        << "nira-build-data: scramble key " << static_cast<int>(edition.scrambleKey) << ", welcome text "
        << welcomeBytes << " bytes, About text " << aboutBytes << " bytes\n";
}

HeadwordSet HeadwordSetOf(const std::vector<PlainEntry>& entries) {
    HeadwordSet set;
    for (const PlainEntry& e : entries) set.insert(e.headword);
    return set;
}

const char* const kExceptionLists[] = {"noun.exc", "verb.exc", "adj.exc", "adv.exc"};

WordFormRows BuildWordFormRows(const DataBuildPaths& paths, const BuiltDictionary& built) {
    std::vector<std::string> exceptionLists;
    for (const char* name : kExceptionLists) {
        exceptionLists.push_back(ReadWholeFile(JoinPath(paths.wordNet, name)));
    }
    const HeadwordSet persian = HeadwordSetOf(built.persianHeadwords);
    WordFormRows rows;
    rows.englishExceptions = EnglishExceptionRows(exceptionLists, HeadwordSetOf(built.englishHeadwords));
    rows.verbStems = VerbStemRows(ReadWholeFile(paths.verbs), persian);
    rows.colloquial = ColloquialRows(ReadWholeFile(paths.colloquial), persian);
    return rows;
}

}  // namespace

void RunDataBuild(const DataBuildPaths& paths, std::ostream& report) {
    Sources sources = ReadSources(paths.sources);
    if (!paths.vocabulary.empty()) sources.vocabulary = ReadVocabularyFolder(paths.vocabulary);
    if (!paths.cldr.empty()) sources.names = ReadCldrNames(paths.cldr);
    const std::string welcome = ReadProgramText(paths.welcome, kMaxWelcomeBytes);
    const std::string about = ReadProgramText(paths.about, kMaxAboutBytes);
    CWordNet wordNet;
    wordNet.Load(paths.wordNet);
    std::vector<std::string> exceptionLists;
    for (const char* name : kExceptionLists) exceptionLists.push_back(ReadWholeFile(JoinPath(paths.wordNet, name)));
    const CEnglishFormTables forms(ExceptionPairs(exceptionLists));
    const BuiltDictionary built = BuildDictionary(wordNet, sources, &forms.Tables());

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
    edition.content = ContentOf(built);
    edition.persian = WriteDataFile(persianEntries, built.englishHeadwords,
                                    JoinPath(paths.dataDir, kPersianFileName), true);
    edition.english = WriteDataFile(englishEntries, built.persianHeadwords,
                                    JoinPath(paths.dataDir, kEnglishFileName), false);
    for (const std::string& piece : SplitIntoPieces(welcome, kWelcomePieceCount)) {
        edition.welcomePieces.push_back(ScrambleText(piece, *key));
    }
    edition.aboutStored = XorText(about, *key);
    const WordFormRows wordForms = BuildWordFormRows(paths, built);
    WriteWholeFile(paths.wordForms, WordFormsHeaderText(wordForms));
    WriteWholeFile(paths.header, EditionHeaderText(edition));
    Report(report, built, edition, welcome.size(), about.size());
    report << "nira-build-data: word forms: " << wordForms.englishExceptions.size()
           << " English exceptions, " << wordForms.verbStems.size() << " Persian verb stems, "
           << wordForms.colloquial.size() << " colloquial forms\n";
}

}  // namespace nira::datatool
