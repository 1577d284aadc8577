#include "tools/stages/FrequencyRanks.h"

#include <algorithm>

#include "tools/stages/CategoryHints.h"

namespace nira::datatool {
namespace {

const int kBandEnds[] = {10000, 20000, 40000};

std::string LowerCase(std::string word) {
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return word;
}

std::map<std::string, const PlainEntry*> EntriesByHeadword(const std::vector<PlainEntry>& entries) {
    std::map<std::string, const PlainEntry*> byHeadword;
    for (const PlainEntry& entry : entries) byHeadword.emplace(entry.headword, &entry);
    return byHeadword;
}

std::vector<RankBand> EmptyBands(std::size_t listSize) {
    std::vector<RankBand> bands;
    int first = 1;
    for (int end : kBandEnds) {
        bands.push_back({first, end, 0, 0});
        first = end + 1;
    }
    bands.push_back({first, static_cast<int>(std::max<std::size_t>(listSize, static_cast<std::size_t>(first))), 0, 0});
    return bands;
}

// A WordNet lemma itself or, by the lookup's English rules, a form of one.
bool IsLemmaOrForm(const std::string& word, const std::map<std::string, std::vector<WordSense>>& lemmas,
                   const WordFormTables& forms) {
    if (lemmas.count(word) != 0) return true;
    const std::vector<std::string> candidates = WordFormCandidates(word, true, forms);
    return std::any_of(candidates.begin(), candidates.end(),
                       [&](const std::string& candidate) { return lemmas.count(candidate) != 0; });
}

bool IsTranslated(const PlainEntry& entry) { return !entry.persian.empty() && !IsHintText(entry.persian); }

}  // namespace

std::string HeadwordShown(const std::string& word, const std::map<std::string, const PlainEntry*>& entries,
                          const WordFormTables& forms) {
    const std::string query = LowerCase(word);
    if (entries.count(query) != 0) return query;
    for (const std::string& candidate : WordFormCandidates(query, true, forms)) {
        if (entries.count(candidate) != 0) return candidate;
    }
    return {};
}

EnglishRanks RankEnglishHeadwords(const std::vector<std::string>& frequency, const BuiltDictionary& built,
                                  const std::map<std::string, std::vector<WordSense>>& lemmas,
                                  const WordFormTables& forms) {
    const std::map<std::string, const PlainEntry*> entries = EntriesByHeadword(built.englishHeadwords);
    EnglishRanks ranks;
    ranks.bands = EmptyBands(frequency.size());
    for (std::size_t i = 0; i < frequency.size(); ++i) {
        const int rank = static_cast<int>(i + 1);
        const std::string shown = HeadwordShown(frequency[i], entries, forms);
        if (shown.empty()) continue;
        ranks.rankOf.emplace(shown, rank);  // the first, best rank stays
        if (!IsLemmaOrForm(LowerCase(frequency[i]), lemmas, forms)) continue;
        RankBand& band = *std::find_if(ranks.bands.begin(), ranks.bands.end(),
                                       [rank](const RankBand& b) { return rank <= b.last; });
        ++band.lemmaWords;
        if (IsTranslated(*entries.at(shown))) ++band.translated;
    }
    return ranks;
}

}  // namespace nira::datatool
