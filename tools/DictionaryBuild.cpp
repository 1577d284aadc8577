#include "tools/DictionaryBuild.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

#include "dict/Collation.h"
#include "dict/Constants.h"
#include "tools/CodePageText.h"
#include "tools/LinkScore.h"
#include "tools/PersianText.h"
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
    std::map<SynsetId, bool> synsets;  // curated when any curated source links it
    std::vector<std::size_t> lines;    // Wiktionary lines, file order
};

// What one English headword has.
struct EnglishSenses {
    const std::vector<WordSense>* wordNet = nullptr;
    std::vector<std::size_t> lines;
};

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
    CBuilder(const CWordNet& wordNet, const Sources& sources)
        : m_wordNet(wordNet), m_sources(sources), m_judge(wordNet) {}

    BuiltDictionary Build() {
        CollectWiktionary();
        GatherLinkEvidence();
        CollectLinks();
        CollectEnglishHeadwords();
        BuiltDictionary built;
        for (const auto& [headword, senses] : m_english) {
            built.englishHeadwords.push_back(EnglishEntry(headword, senses));
        }
        for (const auto& [headword, senses] : m_persian) {
            built.persianHeadwords.push_back(PersianEntry(headword, senses));
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

    // Everything the judge of the automatic links weighs: every link, and
    // the curated Wiktionary translations of each English lemma.
    void GatherLinkEvidence() {
        for (const OmwLink& link : m_sources.links) {
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
    }

    void AddLinkedWord(SynsetId synset, const PersianWord& word, bool confirmed) {
        AppendUnique(m_synsetWords[synset], {word});
        NoteHeadwords({word}, synset, confirmed);
        if (confirmed) m_confirmedSynsets.insert(synset);
    }

    // Curated links first, then the automatic links the judge confirms,
    // then those it keeps: confirmed words stand first within a sense.
    void CollectLinks() {
        for (const OmwLink& link : m_sources.links) {
            if (!KnownSynset(link)) {
                ++m_counts.unknownSynsets;
                continue;
            }
            if (!link.curated) continue;
            for (const PersianWord& word : WordsOf(link.lemma)) AddLinkedWord(link.synset, word, true);
        }
        for (const LinkVerdict pass : {LinkVerdict::Confirmed, LinkVerdict::Kept, LinkVerdict::Dropped}) {
            for (const OmwLink& link : m_sources.links) {
                if (link.curated || !KnownSynset(link)) continue;
                for (const PersianWord& word : WordsOf(link.lemma)) {
                    if (m_judge.Judge(link.synset, WordKey(word)) != pass) continue;
                    CountVerdict(pass);
                    if (pass != LinkVerdict::Dropped) AddLinkedWord(link.synset, word, pass == LinkVerdict::Confirmed);
                }
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
        const std::vector<std::string> persianSenses = PersianSenseTexts(PersianSenseWords(senses));
        const std::vector<std::string> definitions =
            senses.wordNet ? DefinitionSenses(*senses.wordNet) : std::vector<std::string>();
        PlainEntry entry{headword, {}, {}};
        std::size_t keptPersian = 0;
        std::size_t keptEnglish = 0;
        entry.persian = NumberSenses(persianSenses, {kMaxPaneTextBytes, kMaxPaneTextBytes}, &keptPersian);
        const std::size_t budget = kMaxEntryBytes - headword.size() - 2 - entry.persian.size();
        entry.english = NumberSenses(definitions, {budget, kMaxPaneTextBytes}, &keptEnglish);
        if (keptPersian < persianSenses.size() || keptEnglish < definitions.size()) ++m_counts.meaningsCut;
        if (!entry.persian.empty()) ++m_counts.withPersian;
        if (!entry.english.empty()) ++m_counts.withDefinition;
        return entry;
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

    // Tagged WordNet senses by count, then Wiktionary senses, then the
    // untagged WordNet senses in WordNet's order; senses with a confirmed
    // word before those with only words the judge kept.
    std::vector<WordList> PersianSenseWords(const EnglishSenses& senses) const {
        std::vector<std::pair<bool, WordList>> lists;
        std::vector<WordSense> tagged;
        if (senses.wordNet != nullptr) {
            std::copy_if(senses.wordNet->begin(), senses.wordNet->end(), std::back_inserter(tagged),
                         [](const WordSense& s) { return s.tagCount > 0; });
        }
        std::stable_sort(tagged.begin(), tagged.end(),
                         [](const WordSense& a, const WordSense& b) { return a.tagCount > b.tagCount; });
        for (const WordSense& sense : tagged) {
            if (const WordList* words = SynsetWords(sense)) lists.push_back({Confirmed(sense), *words});
        }
        for (std::size_t line : senses.lines) {
            if (!m_lineWords[line].empty()) lists.push_back({true, m_lineWords[line]});
        }
        if (senses.wordNet != nullptr) {
            for (const WordSense& sense : *senses.wordNet) {
                if (sense.tagCount > 0) continue;
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
        for (auto& item : ranked) texts.push_back(std::move(item.second));
        std::size_t kept = 0;
        PlainEntry entry{headword, {}, JoinSenses(texts, kEnglishSenseSeparator, kMaxPaneTextBytes, &kept)};
        if (kept < texts.size()) ++m_counts.meaningsCut;
        return entry;
    }

    const CWordNet& m_wordNet;
    const Sources& m_sources;
    std::unordered_map<std::string, WordList> m_lemmaWords;
    std::unordered_map<SynsetId, WordList> m_synsetWords;
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

BuiltDictionary BuildDictionary(const CWordNet& wordNet, const Sources& sources) {
    return CBuilder(wordNet, sources).Build();
}

void SortByHeadword(std::vector<PlainEntry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const PlainEntry& a, const PlainEntry& b) {
        return CompareHeadword(Bytes(a.headword), Bytes(b.headword)) < 0;
    });
}

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

}  // namespace nira::datatool
