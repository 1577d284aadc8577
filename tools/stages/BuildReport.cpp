#include "tools/stages/BuildReport.h"

#include <cstdint>

#include "dict/Constants.h"
#include "present/ContentReport.h"

namespace nira::datatool {
namespace {

const char* const kPrefix = "nira-build-data: ";

int64_t FileBytes(const EditionFile& file) {
    return file.indexBase + 4 * static_cast<int64_t>(file.highestEntry);
}

void ReportPersianFile(std::ostream& out, const BuiltDictionary& built, const EditionFile& file) {
    const BuildCounts& c = built.counts;
    out << kPrefix << "\"persian\": " << built.englishHeadwords.size() << " English headwords ("
        << c.wordNetLemmas << " from WordNet, " << c.wiktionaryOnly << " from Wiktionary only, "
        << c.vocabularyOnly << " from our vocabulary only), " << c.withDefinition << " with a definition, "
        << c.withLemmaPersian << " inflected forms with their lemma's Persian, " << c.formHeadwords
        << " more made headwords from the subtitle list; " << FileBytes(file)
        << " bytes, md5 " << file.digest << "\n";
}

void ReportEnglishFile(std::ostream& out, const BuiltDictionary& built, const EditionFile& file) {
    const BuildCounts& c = built.counts;
    out << kPrefix << "\"english\": " << built.persianHeadwords.size() << " Persian headwords ("
        << c.persianFromVocabulary << " from our vocabulary, " << c.persianOnlyFromVocabulary
        << " only from it; " << c.persianFromOwnVocabulary << " from our Persian vocabulary's "
        << c.persianVocabularyRows << " rows); " << FileBytes(file) << " bytes, md5 " << file.digest << "\n";
}

void ReportLeftOut(std::ostream& out, const BuildCounts& c) {
    out << kPrefix << "skipped " << c.longEnglishSkipped << " English headwords over " << kMaxHeadwordBytes
        << " bytes, " << c.foreignEnglishSkipped << " Wiktionary headwords with non-ASCII letters, "
        << c.persianWordsDropped << " Persian pieces without a Persian word, " << c.unknownSynsets
        << " links to unknown synsets; " << c.meaningsCut << " meanings cut to fit; "
        << c.emptyEnglishSkipped << " headwords with no meaning at all not written\n";
}

void ReportAdded(std::ostream& out, const BuildCounts& c) {
    out << kPrefix << "added from the sources: " << c.wiktionaryOneSynset + c.wiktionaryByGloss
        << " Wiktionary senses placed on their synsets (" << c.wiktionaryOneSynset << " the only synset, "
        << c.wiktionaryByGloss << " by gloss), " << c.namesLinked << " CLDR names on their headwords; "
        << c.vocabularyRows << " rows of our vocabulary (" << c.vocabularySkipped << " not usable)\n";
    out << kPrefix << "automatic Persian WordNet links (per word): " << c.automaticConfirmed
        << " confirmed by a curated list, " << c.automaticKept << " kept on other evidence, "
        << c.automaticDropped << " left out\n";
}

}  // namespace

void ReportBuild(std::ostream& out, const BuiltDictionary& built, const EditionConstants& edition,
                 const WordFormRows& wordForms, std::size_t welcomeBytes, std::size_t aboutBytes) {
    ReportPersianFile(out, built, edition.persian);
    out << ContentReport(edition.content, kPrefix);
    ReportEnglishFile(out, built, edition.english);
    ReportLeftOut(out, built.counts);
    ReportAdded(out, built.counts);
    out << kPrefix << "scramble key " << static_cast<int>(edition.scrambleKey) << ", welcome text "
        << welcomeBytes << " bytes, About text " << aboutBytes << " bytes\n";
    out << kPrefix << "word forms: " << wordForms.englishExceptions.size() << " English exceptions, "
        << wordForms.verbStems.size() << " Persian verb stems, " << wordForms.colloquial.size()
        << " colloquial forms, " << wordForms.spellings.size() << " Persian headwords spelled otherwise ("
        << built.counts.persianSpellingsMerged << " merged into them)\n";
}

void ReportReview(std::ostream& out, const CEditorReview& review, const EnglishRanks& ranks) {
    out << kPrefix << "editors' verdicts: " << review.MetCount(Verdict::kKeep, false) << " words kept, "
        << review.MetCount(Verdict::kDrop, false) << " dropped, " << review.MetCount(Verdict::kRestore, false)
        << " brought back, " << review.MetCount(Verdict::kOut, false) << " left out; hints "
        << review.MetCount(Verdict::kKeep, true) << " kept, " << review.MetCount(Verdict::kDrop, true)
        << " dropped\n";
    const std::vector<std::string> unmatched = review.Unmatched();
    if (!unmatched.empty()) {
        out << kPrefix << unmatched.size() << " verdicts met no word of the sources, the first: "
            << unmatched.front() << "\n";
    }
    for (const RankBand& band : ranks.bands) {
        if (band.lemmaWords == 0) continue;
        out << kPrefix << "subtitle ranks " << band.first << "-" << band.last << ": " << band.translated
            << " of " << band.lemmaWords << " words that are WordNet lemmas or their forms show Persian ("
            << (1000 * band.translated / band.lemmaWords) / 10.0 << "%)\n";
    }
}

}  // namespace nira::datatool
