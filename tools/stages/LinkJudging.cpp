#include "tools/stages/LinkJudging.h"

#include <tuple>
#include <utility>

#include "tools/LinkScore.h"

namespace nira::datatool {
namespace {

bool KnownSynset(const CWordNet& wordNet, const OmwLink& link) {
    return wordNet.Find(link.synset) != nullptr;
}

void AddLinkEvidence(const CWordNet& wordNet, const std::vector<OmwLink>& links, const SourceWords& words,
                     CLinkJudge& judge) {
    for (const OmwLink& link : links) {
        if (!KnownSynset(wordNet, link)) continue;
        for (const PersianWord& word : words.Of(link.lemma)) {
            if (link.curated) judge.AddCuratedForSynset(link.synset, WordKey(word));
            else judge.AddAutomatic(link.synset, WordKey(word));
        }
    }
}

// The curated lists that give an English lemma its Persian: Wiktionary's
// translations, our rows and the CLDR names.
void AddLemmaEvidence(const Sources& sources, const SourceWords& words, CLinkJudge& judge) {
    for (std::size_t i = 0; i < sources.wiktionary.size(); ++i) {
        const std::string lemma = EnglishHeadwordOf(sources.wiktionary[i].headword);
        if (lemma.empty()) continue;
        for (const PersianWord& word : words.lineWords[i]) {
            judge.AddCuratedForLemma(lemma, sources.wiktionary[i].pos, WordKey(word));
        }
    }
    for (const VocabularyRow& row : sources.vocabulary) {
        for (const std::string& sense : row.senses) {
            for (const PersianWord& word : words.Of(sense)) {
                judge.AddCuratedForLemma(row.english, WordNetPosOfTag(row.pos), WordKey(word));
            }
        }
    }
    for (const NamePair& name : sources.names) {
        for (const PersianWord& word : words.Of(name.persian)) {
            judge.AddCuratedForLemma(name.english, kNoun, WordKey(word));
        }
    }
}

void CountVerdict(LinkVerdict verdict, BuildCounts& counts) {
    switch (verdict) {
        case LinkVerdict::Confirmed: ++counts.automaticConfirmed; break;
        case LinkVerdict::Kept: ++counts.automaticKept; break;
        case LinkVerdict::Dropped: ++counts.automaticDropped; break;
    }
}

using Verdicts = std::vector<std::tuple<LinkVerdict, const OmwLink*, const PersianWord*>>;

// The editors' verdict on a link's word: of its synset, or of the
// Wiktionary line a placed sense came from.
Verdict EditorVerdict(const CEditorReview& review, const OmwLink& link, const std::string& wordKey) {
    const Verdict verdict = review.OfSynset(link.synset, wordKey);
    if (verdict != Verdict::kNone || link.wiktionaryLine == 0) return verdict;
    return review.OfLine(link.wiktionaryLine, wordKey);
}

// The judge's verdict as the editors leave it.
LinkVerdict Overruled(LinkVerdict judged, Verdict editor) {
    switch (editor) {
        case Verdict::kKeep:
        case Verdict::kRestore: return LinkVerdict::Confirmed;
        case Verdict::kOut:
        case Verdict::kDrop: return LinkVerdict::Dropped;
        default: return judged;
    }
}

LinkSource SourceOfJudged(LinkVerdict judged, Verdict editor) {
    if (editor == Verdict::kKeep || editor == Verdict::kRestore) return LinkSource::kEditor;
    if (judged == LinkVerdict::Confirmed) return LinkSource::kConfirmed;
    return judged == LinkVerdict::Kept ? LinkSource::kKept : LinkSource::kLeftOut;
}

class CLinkedWords {
public:
    explicit CLinkedWords(HeadwordSenses& headwords) : m_headwords(headwords) {}

    void AddCurated(const OmwLink& link, const PersianWord& word) {
        m_synsets.sourceOf.emplace(std::pair{link.synset, WordKey(word)},
                                   link.wiktionaryLine != 0 ? LinkSource::kWiktionary : LinkSource::kTable);
        Add(link, word, true);
    }

    void NoteJudged(const OmwLink& link, const PersianWord& word, LinkVerdict judged, Verdict editor) {
        m_synsets.sourceOf.emplace(std::pair{link.synset, WordKey(word)}, SourceOfJudged(judged, editor));
        if (Overruled(judged, editor) == LinkVerdict::Dropped) AppendUnique(m_synsets.leftOut[link.synset], {word});
    }

    void Add(const OmwLink& link, const PersianWord& word, bool confirmed) {
        AppendUnique(m_synsets.words[link.synset], {word});
        if (link.curated) AppendUnique(m_synsets.curatedWords[link.synset], {word});
        if (!word.headword.empty()) {
            bool& curated = m_headwords.persian[word.headword].synsets[link.synset];
            curated = curated || confirmed;
        }
        if (confirmed) m_synsets.confirmed.insert(link.synset);
    }

    // The confirmed words first, then those kept.
    void AddJudged(const Verdicts& verdicts) {
        for (const LinkVerdict pass : {LinkVerdict::Confirmed, LinkVerdict::Kept}) {
            for (const auto& [verdict, link, word] : verdicts) {
                if (verdict == pass) Add(*link, *word, pass == LinkVerdict::Confirmed);
            }
        }
    }

    LinkedSynsets Take() { return std::move(m_synsets); }

private:
    HeadwordSenses& m_headwords;
    LinkedSynsets m_synsets;
};

}  // namespace

LinkedSynsets JudgeLinks(const CWordNet& wordNet, const Sources& sources,
                         const std::vector<OmwLink>& links, const SourceWords& words,
                         HeadwordSenses& headwords, BuildCounts& counts) {
    CLinkJudge judge(wordNet);
    AddLinkEvidence(wordNet, links, words, judge);
    AddLemmaEvidence(sources, words, judge);
    CLinkedWords linked(headwords);
    Verdicts verdicts;
    for (const OmwLink& link : links) {
        if (!KnownSynset(wordNet, link)) {
            ++counts.unknownSynsets;
            continue;
        }
        for (const PersianWord& word : words.Of(link.lemma)) {
            const Verdict editor = EditorVerdict(sources.review, link, WordKey(word));
            if (link.curated) {
                if (editor != Verdict::kDrop) linked.AddCurated(link, word);
                continue;
            }
            const LinkVerdict judged = judge.Judge(link.synset, WordKey(word));
            CountVerdict(judged, counts);
            linked.NoteJudged(link, word, judged, editor);
            verdicts.emplace_back(Overruled(judged, editor), &link, &word);
        }
    }
    linked.AddJudged(verdicts);
    return linked.Take();
}

}  // namespace nira::datatool
