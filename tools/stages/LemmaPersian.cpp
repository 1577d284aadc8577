#include "tools/stages/LemmaPersian.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "tools/CodePageText.h"
#include "tools/PersianText.h"
#include "dict/Constants.h"

namespace nira::datatool {
namespace {

bool EndsWith(const std::string& word, const char* suffix) {
    const std::size_t n = std::strlen(suffix);
    return word.size() > n && word.compare(word.size() - n, n, suffix) == 0;
}

// The parts of speech whose forms end as form does.
std::vector<int> PartsTakingEnding(const std::string& form) {
    if (EndsWith(form, "ing") || EndsWith(form, "ed")) return {kVerb};
    if (EndsWith(form, "er") || EndsWith(form, "est")) return {kAdjective, kAdverb};
    if (EndsWith(form, "s") || EndsWith(form, "'s") || EndsWith(form, "s'")) return {kNoun, kVerb};
    return {};
}

// Every WordNet sense writes the word as a name ("Stopes", "Romans").
bool IsOnlyAName(const CWordNet& wordNet, const std::string& headword, const EnglishSenses& senses) {
    if (senses.wordNet == nullptr) return false;
    return std::none_of(senses.wordNet->begin(), senses.wordNet->end(), [&](const WordSense& s) {
        const Synset* synset = wordNet.Find(MakeSynsetId(s.pos, s.offset));
        return std::find(synset->words.begin(), synset->words.end(), headword) != synset->words.end();
    });
}

// A word in -er or -est that WordNet knows only as a noun or verb
// (squatter) is no comparative.
bool CanBeComparative(const std::string& form, const EnglishSenses& senses) {
    if (senses.wordNet == nullptr || !(EndsWith(form, "er") || EndsWith(form, "est"))) return true;
    return std::any_of(senses.wordNet->begin(), senses.wordNet->end(),
                       [](const WordSense& s) { return s.pos == kAdjective || s.pos == kAdverb; });
}

class CLemmaFinder {
public:
    CLemmaFinder(const SenseCatalog& catalog, const WordFormTables& forms)
        : m_catalog(catalog), m_forms(forms) {}

    // The lemma whose Persian form shows, or ""; parts receives the parts
    // of speech of the senses to show (empty: every part).
    std::string LemmaWithPersian(const std::string& form, const EnglishSenses& senses,
                                 std::vector<int>& parts) const {
        if (IsOnlyAName(m_catalog.wordNet, form, senses) || !CanBeComparative(form, senses)) return {};
        const std::vector<const FormLemma*> exceptions = RowsOf(m_forms.englishExceptions, form);
        for (const std::string& lemma : WordFormCandidates(form, true, m_forms)) {
            const auto it = m_catalog.headwords.english.find(lemma);
            if (it == m_catalog.headwords.english.end() || lemma.size() < 2) continue;
            const bool listed = std::any_of(exceptions.begin(), exceptions.end(),
                                            [&](const FormLemma* row) { return lemma == row->lemma; });
            parts = listed ? std::vector<int>() : PartsTakingEnding(form);
            if (!listed && !TakesEnding(form, it->second)) continue;
            if (!PersianSenseWords(m_catalog, it->second, &parts).empty()) return lemma;
        }
        return {};
    }

private:
    bool TakesEnding(const std::string& form, const EnglishSenses& lemma) const {
        const std::vector<int> parts = PartsTakingEnding(form);
        auto has = [&](int pos) {
            const bool inWordNet = lemma.wordNet != nullptr &&
                std::any_of(lemma.wordNet->begin(), lemma.wordNet->end(),
                            [pos](const WordSense& s) { return s.pos == pos; });
            const bool inOurs =
                std::any_of(lemma.vocabulary.begin(), lemma.vocabulary.end(), [&](std::size_t row) {
                    return WordNetPosOfTag(m_catalog.sources.vocabulary[row].pos) == pos;
                });
            return inWordNet || inOurs;
        };
        return std::any_of(parts.begin(), parts.end(), has);
    }

    const SenseCatalog& m_catalog;
    const WordFormTables& m_forms;
};

// The lemma's definitions of the given parts of speech (all when parts is
// empty), each led by its label "(v.) ".
std::vector<std::string> DefinitionsOfParts(const std::vector<std::string>& definitions,
                                            const std::vector<int>& parts) {
    if (parts.empty()) return definitions;
    std::vector<std::string> kept;
    for (const std::string& definition : definitions) {
        const bool wanted = std::any_of(parts.begin(), parts.end(), [&](int pos) {
            return definition.rfind(PosLabel(pos), 0) == 0;
        });
        if (wanted) kept.push_back(definition);
    }
    return kept;
}

bool IsPlainEnglishWord(const std::string& word) {
    return !word.empty() && word.size() <= static_cast<std::size_t>(kMaxHeadwordBytes) &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string LowerCase(std::string word) {
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return word;
}

}  // namespace

void AddFormHeadwords(const SenseCatalog& catalog, const WordFormTables* forms, EnglishMeanings& meanings,
                      BuildCounts& counts) {
    if (forms == nullptr) return;
    const CLemmaFinder finder(catalog, *forms);
    const EnglishSenses none;
    for (const std::string& written : catalog.sources.frequency) {
        const std::string form = LowerCase(written);
        if (!IsPlainEnglishWord(form) || catalog.headwords.english.count(form) != 0 || meanings.count(form) != 0) {
            continue;
        }
        std::vector<int> parts;
        const std::string lemma = finder.LemmaWithPersian(form, none, parts);
        if (lemma.empty() || parts.empty()) continue;
        const EnglishSenses& senses = catalog.headwords.english.at(lemma);
        std::vector<std::string> persian = PersianSenseTexts(PersianSenseWords(catalog, senses, &parts));
        if (persian == meanings.at(lemma).persianSenses) continue;  // the lemma's entry reads the same
        EnglishMeaning& meaning = meanings[form];
        meaning.formOf = FormOfLine(lemma);
        meaning.persianSenses = std::move(persian);
        meaning.definitions = DefinitionsOfParts(meanings.at(lemma).definitions, parts);
        ++counts.formHeadwords;
    }
}

void AddLemmaPersian(const SenseCatalog& catalog, const WordFormTables* forms, EnglishMeanings& meanings,
                     BuildCounts& counts) {
    if (forms == nullptr) return;
    const CLemmaFinder finder(catalog, *forms);
    for (auto& [headword, meaning] : meanings) {
        if (!meaning.persianSenses.empty()) continue;
        std::vector<int> parts;
        const EnglishSenses& senses = catalog.headwords.english.at(headword);
        const std::string lemma = finder.LemmaWithPersian(headword, senses, parts);
        if (lemma.empty()) continue;
        meaning.formOf = FormOfLine(lemma);
        meaning.persianSenses =
            PersianSenseTexts(PersianSenseWords(catalog, catalog.headwords.english.at(lemma), &parts));
        ++counts.withLemmaPersian;
    }
}

std::string FormOfLine(const std::string& lemma) {
    std::string line = *PersianMeaningBytes(u"(\u0635\u0648\u0631\u062A\u06CC \u0627\u0632 ") + lemma + ") ";
    HyphensToEnDash(line);
    return line;
}

}  // namespace nira::datatool
