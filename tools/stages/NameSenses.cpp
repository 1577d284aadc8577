#include "tools/stages/NameSenses.h"

#include <algorithm>

#include "tools/SenseMapping.h"

namespace nira::datatool {
namespace {

// Words a WordNet definition uses for a thing of each kind.
std::vector<const char*> NameCues(NameKind kind) {
    switch (kind) {
        case NameKind::kLanguage: return {"language", "dialect"};
        case NameKind::kTerritory:
            return {"country", "republic", "kingdom", "island", "state", "territory", "region",
                    "nation", "archipelago", "city", "principality", "monarchy", "sultanate",
                    "emirate", "colony", "federation", "commonwealth", "continent", "peninsula"};
        case NameKind::kScript: return {"script", "alphabet", "writing", "syllabary"};
        case NameKind::kMonth: return {"month"};
        case NameKind::kWeekday: return {"day"};
        case NameKind::kUnit: return {"unit", "measure"};
    }
    return {};
}

// Whether a name may be a meaning of the headword: it has no WordNet
// sense, or a noun sense whose definition says what kind of thing the
// name is ("Ewe" the language is no meaning of ewe the sheep).
bool NameFits(const CWordNet& wordNet, const NamePair& name, const EnglishSenses& senses) {
    if (senses.wordNet == nullptr) return true;
    for (const WordSense& sense : *senses.wordNet) {
        if (sense.pos != kNoun) continue;
        const std::vector<std::string> words =
            ContentWords(wordNet.Find(MakeSynsetId(kNoun, sense.offset))->definition);
        for (const char* cue : NameCues(name.kind)) {
            if (std::find(words.begin(), words.end(), cue) != words.end()) return true;
        }
    }
    return false;
}

// Whether our editors dropped a word of the name from the headword.
bool NameDropped(const CEditorReview& review, const std::string& headword, const WordList& words) {
    return std::any_of(words.begin(), words.end(), [&](const PersianWord& word) {
        return review.OfName(headword, WordKey(word)) == Verdict::kDrop;
    });
}

}  // namespace

void AddNameSenses(const CWordNet& wordNet, const std::vector<NamePair>& names, const CEditorReview& review,
                   const SourceWords& words,
                   HeadwordSenses& headwords, BuildCounts& counts) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto english = headwords.english.find(EnglishHeadwordOf(names[i].english));
        if (english == headwords.english.end() || !NameFits(wordNet, names[i], english->second)) continue;
        if (NameDropped(review, english->first, words.Of(names[i].persian))) continue;
        english->second.names.push_back(i);
        ++counts.namesLinked;
        for (const PersianWord& word : words.Of(names[i].persian)) {
            if (!word.headword.empty()) headwords.persian[word.headword].AddWord(names[i].english);
        }
    }
}

}  // namespace nira::datatool
