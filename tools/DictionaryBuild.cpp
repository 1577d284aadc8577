#include "tools/DictionaryBuild.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "present/Constants.h"
#include "text/Cp1256.h"
#include "tools/CodePageText.h"
#include "tools/LinkScore.h"
#include "tools/PersianText.h"
#include "tools/SenseMapping.h"
#include "tools/Senses.h"

namespace nira::datatool {
namespace {

using WordList = std::vector<PersianWord>;

const std::string kWordSeparator = "\xA1 ";   // Arabic comma (،) and a space
const std::string kEnglishSenseSeparator = "; ";

const std::string& WordKey(const PersianWord& word) {
    return word.headword.empty() ? word.meaning : word.headword;
}

void AppendUnique(WordList& list, const WordList& words) {
    for (const PersianWord& word : words) {
        const bool known = std::any_of(list.begin(), list.end(), [&](const PersianWord& w) {
            return WordKey(w) == WordKey(word);
        });
        if (!known) list.push_back(word);
    }
}

// A Wiktionary headword as an English headword: lower case, or "" when it
// holds a byte outside ASCII.
std::string EnglishHeadwordOf(const std::string& written) {
    std::string headword;
    for (char c : written) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::string();
        headword.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return headword;
}

// What one Persian headword translates.
struct PersianSenses {
    std::vector<std::string> words;    // English words of our vocabulary and CLDR names
    std::map<SynsetId, bool> synsets;  // curated when any curated source links it
    std::vector<std::size_t> lines;    // Wiktionary lines, file order
    bool fromVocabulary = false;
};

// What one English headword has.
struct EnglishSenses {
    const std::vector<WordSense>* wordNet = nullptr;
    std::vector<std::size_t> vocabulary;  // our rows
    std::vector<std::size_t> lines;       // Wiktionary lines
    std::vector<std::size_t> names;       // CLDR names
};

const std::u16string kKindOf = u"\u0646\u0648\u0639\u06CC ";  // "a kind of"

// Order of a Persian headword's senses: curated first, then the more often
// met English sense, then Wiktionary before WordNet, then source order.
struct PersianSenseRank {
    int group;   // 0 curated, 1 automatic
    int weight;  // tagged occurrences
    int kind;    // 0 Wiktionary line, 1 synset
    uint64_t order;
    bool operator<(const PersianSenseRank& o) const {
        return std::tie(group, o.weight, kind, order) < std::tie(o.group, weight, o.kind, o.order);
    }
};

class CBuilder {
public:
    CBuilder(const CWordNet& wordNet, const Sources& sources, const WordFormTables* forms)
        : m_wordNet(wordNet), m_sources(sources), m_forms(forms), m_judge(wordNet) {}

    BuiltDictionary Build() {
        CollectWiktionary();
        CollectLinks();
        CollectEnglishHeadwords();
        CollectVocabulary();
        CollectNames();
        BuiltDictionary built;
        for (const auto& [headword, senses] : m_english) {
            PlainEntry entry = EnglishEntry(headword, senses);
            if (entry.persian.empty() && entry.english.empty()) {
                ++m_counts.emptyEnglishSkipped;
                continue;
            }
            built.englishHeadwords.push_back(std::move(entry));
        }
        for (const auto& [headword, senses] : m_persian) {
            built.persianHeadwords.push_back(PersianEntry(headword, senses));
            if (senses.fromVocabulary) {
                ++m_counts.persianFromVocabulary;
                if (senses.synsets.empty() && senses.lines.empty() &&
                    senses.words.size() == m_vocabularyWords[headword]) {
                    ++m_counts.persianOnlyFromVocabulary;
                }
            }
        }
        SortByHeadword(built.englishHeadwords);
        SortByHeadword(built.persianHeadwords);
        built.counts = m_counts;
        return built;
    }

private:
    const WordList& WordsOf(const std::string& lemma) {
        auto it = m_lemmaWords.find(lemma);
        if (it == m_lemmaWords.end()) {
            it = m_lemmaWords.emplace(lemma, PersianWordsOfLemma(lemma, &m_counts.persianWordsDropped)).first;
        }
        return it->second;
    }

    void NoteHeadwords(const WordList& words, SynsetId synset, bool curated) {
        for (const PersianWord& word : words) {
            if (word.headword.empty()) continue;
            bool& flag = m_persian[word.headword].synsets[synset];
            flag = flag || curated;
        }
    }

    bool KnownSynset(const OmwLink& link) const { return m_wordNet.Find(link.synset) != nullptr; }

    // The sources' links, then the Wiktionary senses this build places on
    // their synsets: one list of (synset, Persian lemma, source).
    std::vector<OmwLink> SynsetLinks() {
        std::vector<OmwLink> links = m_sources.links;
        for (const SenseMatch& match : MatchWiktionarySenses(m_wordNet, m_sources.wiktionary)) {
            ++(match.byGloss ? m_counts.wiktionaryByGloss : m_counts.wiktionaryOneSynset);
            for (const std::u16string& translation : m_sources.wiktionary[match.line].translations) {
                links.push_back({match.synset, Utf16ToUtf8(translation), true});
            }
        }
        return links;
    }

    // Everything the judge of the automatic links weighs: every link, the
    // curated Wiktionary translations of each English lemma, our rows and
    // the CLDR names.
    void GatherLinkEvidence(const std::vector<OmwLink>& links) {
        for (const OmwLink& link : links) {
            if (!KnownSynset(link)) continue;
            for (const PersianWord& word : WordsOf(link.lemma)) {
                if (link.curated) m_judge.AddCuratedForSynset(link.synset, WordKey(word));
                else m_judge.AddAutomatic(link.synset, WordKey(word));
            }
        }
        for (std::size_t i = 0; i < m_sources.wiktionary.size(); ++i) {
            const std::string lemma = EnglishHeadwordOf(m_sources.wiktionary[i].headword);
            if (lemma.empty()) continue;
            for (const PersianWord& word : m_lineWords[i]) {
                m_judge.AddCuratedForLemma(lemma, m_sources.wiktionary[i].pos, WordKey(word));
            }
        }
        for (const VocabularyRow& row : m_sources.vocabulary) {
            for (const std::string& sense : row.senses) {
                for (const PersianWord& word : WordsOf(sense)) {
                    m_judge.AddCuratedForLemma(row.english, WordNetPosOfTag(row.pos), WordKey(word));
                }
            }
        }
        for (const NamePair& name : m_sources.names) {
            for (const PersianWord& word : WordsOf(name.persian)) {
                m_judge.AddCuratedForLemma(name.english, kNoun, WordKey(word));
            }
        }
    }

    void AddLinkedWord(const OmwLink& link, const PersianWord& word, bool confirmed) {
        AppendUnique(m_synsetWords[link.synset], {word});
        if (link.curated) AppendUnique(m_curatedSynsetWords[link.synset], {word});
        NoteHeadwords({word}, link.synset, confirmed);
        if (confirmed) m_confirmedSynsets.insert(link.synset);
    }

    // Curated links first, then the automatic links the judge confirms,
    // then those it keeps: confirmed words stand first within a sense.
    void CollectLinks() {
        const std::vector<OmwLink> links = SynsetLinks();
        GatherLinkEvidence(links);
        for (const OmwLink& link : links) {
            if (!KnownSynset(link)) {
                ++m_counts.unknownSynsets;
                continue;
            }
            if (!link.curated) continue;
            for (const PersianWord& word : WordsOf(link.lemma)) AddLinkedWord(link, word, true);
        }
        // Each automatic (link, word) judged once; added confirmed first.
        std::vector<std::tuple<LinkVerdict, const OmwLink*, const PersianWord*>> judged;
        for (const OmwLink& link : links) {
            if (link.curated || !KnownSynset(link)) continue;
            for (const PersianWord& word : WordsOf(link.lemma)) {
                judged.emplace_back(m_judge.Judge(link.synset, WordKey(word)), &link, &word);
                CountVerdict(std::get<0>(judged.back()));
            }
        }
        for (const LinkVerdict pass : {LinkVerdict::Confirmed, LinkVerdict::Kept}) {
            for (const auto& [verdict, link, word] : judged) {
                if (verdict == pass) AddLinkedWord(*link, *word, pass == LinkVerdict::Confirmed);
            }
        }
    }

    void CountVerdict(LinkVerdict verdict) {
        switch (verdict) {
            case LinkVerdict::Confirmed: ++m_counts.automaticConfirmed; break;
            case LinkVerdict::Kept: ++m_counts.automaticKept; break;
            case LinkVerdict::Dropped: ++m_counts.automaticDropped; break;
        }
    }

    // Our rows: Persian for their word (a new headword where the sources
    // lack it), and each equivalent a Persian headword meaning that word.
    void CollectVocabulary() {
        m_counts.vocabularyRows = m_sources.vocabulary.size();
        for (std::size_t i = 0; i < m_sources.vocabulary.size(); ++i) {
            const VocabularyRow& row = m_sources.vocabulary[i];
            const std::string headword = EnglishHeadwordOf(row.english);
            if (headword.empty() || headword.size() > static_cast<std::size_t>(kMaxHeadwordBytes)) {
                ++m_counts.vocabularySkipped;
                continue;
            }
            EnglishSenses& english = m_english[headword];
            if (english.wordNet == nullptr && english.lines.empty() && english.vocabulary.empty()) {
                ++m_counts.vocabularyOnly;
            }
            english.vocabulary.push_back(i);
            for (const std::string& sense : row.senses) {
                for (const PersianWord& word : WordsOf(sense)) {
                    if (word.headword.empty()) continue;
                    PersianSenses& persian = m_persian[word.headword];
                    persian.fromVocabulary = true;
                    if (AddWord(persian.words, row.english)) ++m_vocabularyWords[word.headword];
                }
            }
        }
    }

    // Whether a name may be a meaning of the headword: it has no WordNet
    // sense, or a noun sense whose definition says what kind of thing the
    // name is ("Ewe" the language is no meaning of ewe the sheep).
    bool NameFits(const NamePair& name, const EnglishSenses& senses) const {
        if (senses.wordNet == nullptr) return true;
        for (const WordSense& sense : *senses.wordNet) {
            if (sense.pos != kNoun) continue;
            const std::vector<std::string> words = ContentWords(m_wordNet.Find(MakeSynsetId(kNoun, sense.offset))->definition);
            for (const char* cue : NameCues(name.kind)) {
                if (std::find(words.begin(), words.end(), cue) != words.end()) return true;
            }
        }
        return false;
    }

    static std::vector<const char*> NameCues(NameKind kind) {
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

    // CLDR names onto the English headwords of exactly that name.
    void CollectNames() {
        for (std::size_t i = 0; i < m_sources.names.size(); ++i) {
            const NamePair& name = m_sources.names[i];
            const auto english = m_english.find(EnglishHeadwordOf(name.english));
            if (english == m_english.end() || !NameFits(name, english->second)) continue;
            english->second.names.push_back(i);
            ++m_counts.namesLinked;
            for (const PersianWord& word : WordsOf(name.persian)) {
                if (!word.headword.empty()) AddWord(m_persian[word.headword].words, name.english);
            }
        }
    }

    static bool AddWord(std::vector<std::string>& words, const std::string& word) {
        if (std::find(words.begin(), words.end(), word) != words.end()) return false;
        words.push_back(word);
        return true;
    }

    void CollectWiktionary() {
        m_lineWords.resize(m_sources.wiktionary.size());
        for (std::size_t i = 0; i < m_sources.wiktionary.size(); ++i) {
            for (const std::u16string& translation : m_sources.wiktionary[i].translations) {
                AppendUnique(m_lineWords[i], PersianWordsOfLemma(translation, &m_counts.persianWordsDropped));
            }
            for (const PersianWord& word : m_lineWords[i]) {
                if (word.headword.empty()) continue;
                std::vector<std::size_t>& lines = m_persian[word.headword].lines;
                if (lines.empty() || lines.back() != i) lines.push_back(i);
            }
        }
    }

    void CollectEnglishHeadwords() {
        for (const auto& [lemma, senses] : m_wordNet.Lemmas()) {
            if (lemma.size() > static_cast<std::size_t>(kMaxHeadwordBytes)) {
                ++m_counts.longEnglishSkipped;
                continue;
            }
            m_english[lemma].wordNet = &senses;
            ++m_counts.wordNetLemmas;
        }
        for (std::size_t i = 0; i < m_sources.wiktionary.size(); ++i) {
            const std::string headword = EnglishHeadwordOf(m_sources.wiktionary[i].headword);
            if (headword.empty()) {
                ++m_counts.foreignEnglishSkipped;
                continue;
            }
            if (headword.size() > static_cast<std::size_t>(kMaxHeadwordBytes)) {
                ++m_counts.longEnglishSkipped;
                continue;
            }
            EnglishSenses& senses = m_english[headword];
            if (senses.wordNet == nullptr && senses.lines.empty()) ++m_counts.wiktionaryOnly;
            senses.lines.push_back(i);
        }
    }

    PlainEntry EnglishEntry(const std::string& headword, const EnglishSenses& senses) {
        std::vector<std::string> persianSenses = PersianSenseTexts(PersianSenseWords(senses));
        std::string formOf;
        if (persianSenses.empty()) {
            std::vector<int> parts;
            const std::string lemma = LemmaWithPersian(headword, senses, parts);
            if (!lemma.empty()) {
                formOf = FormOfLine(lemma);
                persianSenses = PersianSenseTexts(PersianSenseWords(m_english.at(lemma), &parts));
                ++m_counts.withLemmaPersian;
            }
        }
        const bool translated = !persianSenses.empty();
        const std::vector<std::string> definitions =
            senses.wordNet ? DefinitionSenses(*senses.wordNet) : NoteSenses(senses);
        PlainEntry entry{headword, {}, {}};
        std::size_t keptPersian = 0;
        std::size_t keptEnglish = 0;
        // The line naming the lemma is followed by a line break before "1-".
        const std::size_t formOfBytes = formOf.empty() ? 0 : formOf.size() + 2;
        entry.persian = translated ? formOf + NumberSenses(persianSenses,
                                                           {kMaxPaneTextBytes - formOfBytes,
                                                            kMaxPaneTextBytes - formOfBytes},
                                                           &keptPersian)
                                   : CategoryHint(senses);
        const std::size_t budget = kMaxEntryBytes - headword.size() - 2 - entry.persian.size();
        entry.english = NumberSenses(definitions, {budget, kMaxPaneTextBytes}, &keptEnglish);
        if (keptPersian < persianSenses.size() || keptEnglish < definitions.size()) ++m_counts.meaningsCut;
        if (!entry.persian.empty()) ++(translated ? m_counts.withPersian : m_counts.withHintOnly);
        if (!entry.english.empty()) ++m_counts.withDefinition;
        return entry;
    }

    // The lemma whose Persian an inflected headword without Persian shows:
    // the first candidate of the lookup's English rules that is a headword
    // with a Persian translation in a part of speech that can take the
    // ending (running, stopped: a verb; bigger: an adjective; books: a
    // noun or verb); parts receives those parts, so that "stocked" shows
    // no livestock. A row of the exception lists needs no such check
    // (parts is left empty: every part).
    std::string LemmaWithPersian(const std::string& form, const EnglishSenses& senses,
                                 std::vector<int>& parts) const {
        if (m_forms == nullptr || IsOnlyAName(form, senses) || !CanBeComparative(form, senses)) return {};
        const std::vector<const FormLemma*> exceptions = RowsOf(m_forms->englishExceptions, form);
        for (const std::string& lemma : WordFormCandidates(form, true, *m_forms)) {
            const auto it = m_english.find(lemma);
            if (it == m_english.end() || lemma.size() < 2) continue;
            const bool listed = std::any_of(exceptions.begin(), exceptions.end(),
                                            [&](const FormLemma* row) { return lemma == row->lemma; });
            parts = listed ? std::vector<int>() : PartsTakingEnding(form);
            if (!listed && !TakesEnding(form, it->second)) continue;
            if (!PersianSenseWords(it->second, &parts).empty()) return lemma;
        }
        return {};
    }

    // Every WordNet sense writes the word as a name ("Stopes", "Romans"):
    // no inflected form.
    bool IsOnlyAName(const std::string& headword, const EnglishSenses& senses) const {
        if (senses.wordNet == nullptr) return false;
        return std::none_of(senses.wordNet->begin(), senses.wordNet->end(), [&](const WordSense& s) {
            const Synset* synset = m_wordNet.Find(MakeSynsetId(s.pos, s.offset));
            return std::find(synset->words.begin(), synset->words.end(), headword) != synset->words.end();
        });
    }

    // A word in -er or -est that WordNet knows only as a noun or verb
    // (squatter) is no comparative.
    static bool CanBeComparative(const std::string& form, const EnglishSenses& senses) {
        if (senses.wordNet == nullptr || !(EndsWith(form, "er") || EndsWith(form, "est"))) return true;
        return std::any_of(senses.wordNet->begin(), senses.wordNet->end(),
                           [](const WordSense& s) { return s.pos == kAdjective || s.pos == kAdverb; });
    }

    static bool EndsWith(const std::string& word, const char* suffix) {
        const std::size_t n = std::strlen(suffix);
        return word.size() > n && word.compare(word.size() - n, n, suffix) == 0;
    }

    // The parts of speech whose forms end as form does.
    static std::vector<int> PartsTakingEnding(const std::string& form) {
        if (EndsWith(form, "ing") || EndsWith(form, "ed")) return {kVerb};
        if (EndsWith(form, "er") || EndsWith(form, "est")) return {kAdjective, kAdverb};
        if (EndsWith(form, "s") || EndsWith(form, "'s") || EndsWith(form, "s'")) return {kNoun, kVerb};
        return {};
    }

    bool TakesEnding(const std::string& form, const EnglishSenses& lemma) const {
        const std::vector<int> parts = PartsTakingEnding(form);
        auto has = [&](int pos) {
            const bool inWordNet = lemma.wordNet != nullptr &&
                std::any_of(lemma.wordNet->begin(), lemma.wordNet->end(),
                            [pos](const WordSense& s) { return s.pos == pos; });
            const bool inOurs = std::any_of(lemma.vocabulary.begin(), lemma.vocabulary.end(), [&](std::size_t row) {
                return WordNetPosOfTag(m_sources.vocabulary[row].pos) == pos;
            });
            return inWordNet || inOurs;
        };
        return std::any_of(parts.begin(), parts.end(), has);
    }

    // Where WordNet lacks the word: our rows' notes, or else the glosses of
    // the Wiktionary senses that gave no Persian ("the {article} (article)
    // :: Not used in Persian"), each after its part of speech.
    std::vector<std::string> NoteSenses(const EnglishSenses& senses) const {
        std::vector<std::string> texts;
        auto add = [&texts](const std::string& label, const std::string& note) {
            if (note.empty()) return;
            std::string text = EnglishBytes(label.empty() ? note : label + " " + note);
            HyphensToEnDash(text);
            if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
        };
        for (std::size_t row : senses.vocabulary) {
            add(VocabularyPosLabel(m_sources.vocabulary[row].pos), m_sources.vocabulary[row].note);
        }
        if (!texts.empty()) return texts;
        for (std::size_t line : senses.lines) {
            const WiktionaryLine& source = m_sources.wiktionary[line];
            if (m_lineWords[line].empty()) add(source.posTag.empty() ? "" : "(" + source.posTag + ")", source.gloss);
        }
        return texts;
    }

    // A noun without Persian: "نوعی X" after a direct hypernym of its first
    // noun sense (WordNet's most frequent) that has Persian from people
    // (not the automatic links). Only the first sense: the hypernym of a
    // rarer one ("clam", a dollar) would describe a word the reader does
    // not mean. One level only; a description, not a translation, so it
    // stands without a sense number.
    std::string CategoryHint(const EnglishSenses& senses) const {
        if (senses.wordNet == nullptr) return {};
        const auto first = std::find_if(senses.wordNet->begin(), senses.wordNet->end(),
                                        [](const WordSense& sense) { return sense.pos == kNoun; });
        if (first == senses.wordNet->end()) return {};
        for (uint32_t hypernym : m_wordNet.Find(MakeSynsetId(kNoun, first->offset))->hypernyms) {
            const PersianWord* word = CuratedWordOf(MakeSynsetId(kNoun, hypernym));
            if (word == nullptr) continue;
            const std::optional<std::string> kindOf = PersianMeaningBytes(kKindOf);
            return *kindOf + word->meaning;
        }
        return {};
    }

    // The first Persian word of a synset from a curated link, or else from
    // our vocabulary's noun row (or a CLDR name) of its first word when
    // that word's first noun sense is this synset.
    const PersianWord* CuratedWordOf(SynsetId id) const {
        const auto curated = m_curatedSynsetWords.find(id);
        if (curated != m_curatedSynsetWords.end() && !curated->second.empty()) return &curated->second[0];
        const Synset* synset = m_wordNet.Find(id);
        if (synset == nullptr || synset->words.empty()) return nullptr;
        const auto english = m_english.find(EnglishHeadwordOf(synset->words[0]));
        if (english == m_english.end() || english->second.wordNet == nullptr) return nullptr;
        const auto first = std::find_if(english->second.wordNet->begin(), english->second.wordNet->end(),
                                        [](const WordSense& s) { return s.pos == kNoun; });
        if (first == english->second.wordNet->end() || MakeSynsetId(kNoun, first->offset) != id) return nullptr;
        for (std::size_t row : english->second.vocabulary) {
            const VocabularyRow& vocabulary = m_sources.vocabulary[row];
            if (vocabulary.pos != "n") continue;
            const auto it = m_lemmaWords.find(vocabulary.senses[0]);
            if (it != m_lemmaWords.end() && !it->second.empty()) return &it->second[0];
        }
        for (std::size_t name : english->second.names) {
            const auto it = m_lemmaWords.find(m_sources.names[name].persian);
            if (it != m_lemmaWords.end() && !it->second.empty()) return &it->second[0];
        }
        return nullptr;
    }

    std::vector<std::string> DefinitionSenses(const std::vector<WordSense>& senses) const {
        std::vector<std::string> texts;
        for (const WordSense& sense : senses) {
            const Synset* synset = m_wordNet.Find(MakeSynsetId(sense.pos, sense.offset));
            std::string text = EnglishBytes(std::string(PosLabel(sense.pos)) + " " + synset->definition);
            HyphensToEnDash(text);
            texts.push_back(std::move(text));
        }
        return texts;
    }

    const WordList* SynsetWords(const WordSense& sense) const {
        const auto it = m_synsetWords.find(MakeSynsetId(sense.pos, sense.offset));
        return it == m_synsetWords.end() || it->second.empty() ? nullptr : &it->second;
    }

    // Our rows' senses, then tagged WordNet senses by count, then
    // Wiktionary senses, then CLDR names, then the untagged WordNet senses
    // in WordNet's order; senses with a confirmed word before those with
    // only words the judge kept.
    // With parts (not empty), only the senses of those parts of speech.
    std::vector<WordList> PersianSenseWords(const EnglishSenses& senses,
                                            const std::vector<int>* parts = nullptr) const {
        auto wanted = [parts](int pos) {
            return parts == nullptr || parts->empty() || std::find(parts->begin(), parts->end(), pos) != parts->end();
        };
        std::vector<std::pair<bool, WordList>> lists;
        for (std::size_t row : senses.vocabulary) {
            if (!wanted(WordNetPosOfTag(m_sources.vocabulary[row].pos))) continue;
            for (const std::string& sense : m_sources.vocabulary[row].senses) {
                const auto it = m_lemmaWords.find(sense);
                if (it != m_lemmaWords.end() && !it->second.empty()) lists.push_back({true, it->second});
            }
        }
        std::vector<WordSense> tagged;
        if (senses.wordNet != nullptr) {
            std::copy_if(senses.wordNet->begin(), senses.wordNet->end(), std::back_inserter(tagged),
                         [&](const WordSense& s) { return s.tagCount > 0 && wanted(s.pos); });
        }
        std::stable_sort(tagged.begin(), tagged.end(),
                         [](const WordSense& a, const WordSense& b) { return a.tagCount > b.tagCount; });
        for (const WordSense& sense : tagged) {
            if (const WordList* words = SynsetWords(sense)) lists.push_back({Confirmed(sense), *words});
        }
        for (std::size_t line : senses.lines) {
            if (!wanted(m_sources.wiktionary[line].pos)) continue;
            if (!m_lineWords[line].empty()) lists.push_back({true, m_lineWords[line]});
        }
        for (std::size_t name : senses.names) {
            if (!wanted(kNoun)) continue;
            const auto it = m_lemmaWords.find(m_sources.names[name].persian);
            if (it != m_lemmaWords.end() && !it->second.empty()) lists.push_back({true, it->second});
        }
        if (senses.wordNet != nullptr) {
            for (const WordSense& sense : *senses.wordNet) {
                if (sense.tagCount > 0 || !wanted(sense.pos)) continue;
                if (const WordList* words = SynsetWords(sense)) lists.push_back({Confirmed(sense), *words});
            }
        }
        std::stable_partition(lists.begin(), lists.end(), [](const auto& l) { return l.first; });
        std::vector<WordList> ordered;
        for (auto& item : lists) ordered.push_back(std::move(item.second));
        return ordered;
    }

    bool Confirmed(const WordSense& sense) const {
        return m_confirmedSynsets.count(MakeSynsetId(sense.pos, sense.offset)) > 0;
    }

    // Each sense as its words joined; a sense whose words all stood in an
    // earlier sense is left out.
    static std::vector<std::string> PersianSenseTexts(const std::vector<WordList>& lists) {
        std::set<std::string> shown;
        std::vector<std::string> texts;
        for (const WordList& words : lists) {
            bool adds = false;
            for (const PersianWord& word : words) adds = shown.insert(WordKey(word)).second || adds;
            if (!adds) continue;
            std::string text;
            for (const PersianWord& word : words) {
                if (!text.empty()) text += kWordSeparator;
                text += word.meaning;
            }
            texts.push_back(std::move(text));
        }
        return texts;
    }

    int LineWeight(std::size_t line) const {
        const WiktionaryLine& source = m_sources.wiktionary[line];
        const auto lemma = m_wordNet.Lemmas().find(EnglishHeadwordOf(source.headword));
        int weight = 0;
        if (lemma == m_wordNet.Lemmas().end()) return weight;
        for (const WordSense& sense : lemma->second) {
            if (source.pos < 0 || sense.pos == source.pos) weight = std::max(weight, sense.tagCount);
        }
        return weight;
    }

    std::string SynsetText(SynsetId id) const {
        const Synset* synset = m_wordNet.Find(id);
        std::string text;
        for (const std::string& word : synset->words) {
            if (!text.empty()) text += ", ";
            text += word;
        }
        if (!synset->definition.empty()) text += ": " + synset->definition;
        return EnglishBytes(text);
    }

    std::string LineText(std::size_t line) const {
        const WiktionaryLine& source = m_sources.wiktionary[line];
        return EnglishBytes(source.gloss.empty() ? source.headword : source.headword + ": " + source.gloss);
    }

    PlainEntry PersianEntry(const std::string& headword, const PersianSenses& senses) {
        std::vector<std::pair<PersianSenseRank, std::string>> ranked;
        for (std::size_t line : senses.lines) {
            ranked.push_back({{0, LineWeight(line), 0, line}, LineText(line)});
        }
        for (const auto& [id, curated] : senses.synsets) {
            ranked.push_back({{curated ? 0 : 1, m_wordNet.Find(id)->tagCount, 1, id}, SynsetText(id)});
        }
        std::sort(ranked.begin(), ranked.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::string> texts;
        for (const std::string& word : senses.words) texts.push_back(EnglishBytes(word));
        for (auto& item : ranked) texts.push_back(std::move(item.second));
        std::size_t kept = 0;
        PlainEntry entry{headword, {}, JoinSenses(texts, kEnglishSenseSeparator, kMaxPaneTextBytes, &kept)};
        if (kept < texts.size()) ++m_counts.meaningsCut;
        return entry;
    }

    const CWordNet& m_wordNet;
    const Sources& m_sources;
    const WordFormTables* m_forms;
    std::unordered_map<std::string, WordList> m_lemmaWords;
    std::unordered_map<SynsetId, WordList> m_synsetWords;
    std::unordered_map<SynsetId, WordList> m_curatedSynsetWords;
    std::map<std::string, std::size_t> m_vocabularyWords;  // Persian headword → English words of ours
    std::set<SynsetId> m_confirmedSynsets;  // with a curated or confirmed word
    CLinkJudge m_judge;
    std::vector<WordList> m_lineWords;
    std::map<std::string, PersianSenses> m_persian;
    std::map<std::string, EnglishSenses> m_english;
    BuildCounts m_counts;
};

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.c_str());
}

}  // namespace

BuiltDictionary BuildDictionary(const CWordNet& wordNet, const Sources& sources,
                                const WordFormTables* forms) {
    return CBuilder(wordNet, sources, forms).Build();
}

std::string FormOfLine(const std::string& lemma) {
    std::string line = *PersianMeaningBytes(u"(\u0635\u0648\u0631\u062A\u06CC \u0627\u0632 ") + lemma + ") ";
    HyphensToEnDash(line);
    return line;
}

void SortByHeadword(std::vector<PlainEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const PlainEntry& a, const PlainEntry& b) {
        return CompareHeadword(Bytes(a.headword), Bytes(b.headword)) < 0;
    });
}

}  // namespace nira::datatool
