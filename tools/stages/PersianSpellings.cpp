#include "tools/stages/PersianSpellings.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "text/PersianSpelling.h"

namespace nira::datatool {
namespace {

bool HasHamzaSeat(const std::string& headword) {
    return headword.find_first_of("\xC3\xC4\xC5\xC6\xC1") != std::string::npos;
}

bool HasZwnj(const std::string& headword) { return headword.find('\x9D') != std::string::npos; }

// The better of two spellings to keep comes first.
auto Preference(const std::string& headword, const PersianSenses& senses) {
    return std::make_tuple(!senses.ownSenses.empty(), senses.fromVocabulary, HasHamzaSeat(headword),
                           HasZwnj(headword));
}

template <typename T>
void AppendMissing(std::vector<T>& into, const std::vector<T>& from) {
    for (const T& item : from) {
        if (std::find(into.begin(), into.end(), item) == into.end()) into.push_back(item);
    }
}

void MergeInto(PersianSenses& kept, const PersianSenses& other) {
    AppendMissing(kept.ownSenses, other.ownSenses);
    for (const std::string& word : other.words) {
        if (kept.AddWord(word) && kept.vocabularyWords < kept.words.size()) ++kept.vocabularyWords;
    }
    for (const auto& [synset, curated] : other.synsets) kept.synsets[synset] = kept.synsets[synset] || curated;
    AppendMissing(kept.lines, other.lines);
    std::sort(kept.lines.begin(), kept.lines.end());
    kept.fromVocabulary = kept.fromVocabulary || other.fromVocabulary;
}

}  // namespace

void MergeFoldedSpellings(HeadwordSenses& headwords, BuildCounts& counts) {
    std::map<std::string, std::vector<std::string>> spellings;  // folded -> headwords, in byte order
    for (const auto& [headword, senses] : headwords.persian) spellings[FoldedSpelling(headword)].push_back(headword);
    for (const auto& [folded, group] : spellings) {
        if (group.size() < 2) continue;
        auto& persian = headwords.persian;
        const std::string kept = *std::max_element(group.begin(), group.end(), [&](const auto& a, const auto& b) {
            return Preference(a, persian.at(a)) < Preference(b, persian.at(b));
        });
        for (const std::string& other : group) {
            if (other == kept) continue;
            MergeInto(persian.at(kept), persian.at(other));
            persian.erase(other);
            ++counts.persianSpellingsMerged;
        }
    }
}

FormRows FoldedSpellingRows(const std::vector<PlainEntry>& persianHeadwords) {
    FormRows rows;
    for (const PlainEntry& entry : persianHeadwords) {
        std::string folded = FoldedSpelling(entry.headword);
        if (folded != entry.headword) rows.emplace_back(std::move(folded), entry.headword);
    }
    return rows;
}

}  // namespace nira::datatool
