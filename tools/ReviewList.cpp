#include "tools/ReviewList.h"

#include <algorithm>
#include <set>

#include "text/Cp1256.h"
#include "tools/EditorReview.h"
#include "tools/stages/CategoryHints.h"

namespace nira::datatool {
namespace {

const char* const kPosTags[] = {"n", "v", "adj", "adv"};

const char* SourceName(LinkSource source) {
    switch (source) {
        case LinkSource::kTable: return "table";
        case LinkSource::kWiktionary: return "wikt";
        case LinkSource::kConfirmed: return "confirmed";
        case LinkSource::kKept: return "kept";
        case LinkSource::kLeftOut: return "out";
        case LinkSource::kEditor: return "editor";
    }
    return "";
}

// Persian letters where the data files' code page writes Arabic yeh:
// what an editor reads and writes.
std::string PersianForEditors(const std::string& bytes) {
    std::u16string text = Utf8ToUtf16(Cp1256ToUtf8(bytes));
    for (char16_t& unit : text) {
        if (unit == u'\u064A' || unit == u'\u0649') unit = u'\u06CC';
        if (unit == u'\u0643') unit = u'\u06A9';
    }
    return Utf16ToUtf8(text);
}

std::string Clean(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

class CReviewWriter {
public:
    CReviewWriter(const SenseCatalog& catalog, std::ostream& out) : m_catalog(catalog), m_out(out) {}

    void Write(const std::string& headword, const EnglishSenses& senses) {
        m_shown.clear();
        WriteVocabulary(headword, senses);
        if (senses.wordNet != nullptr) {
            for (const WordSense& sense : *senses.wordNet) WriteSynset(headword, sense);
        }
        for (std::size_t line : senses.lines) WriteLine(headword, line);
        for (std::size_t name : senses.names) WriteName(headword, name);
        WriteHint(headword, senses);
    }

private:
    void Row(const std::string& headword, const std::string& sense, const std::string& pos,
             const std::string& definition, const PersianWord& word, const char* source) {
        m_out << headword << '\t' << sense << '\t' << pos << '\t' << Clean(definition) << '\t'
              << PersianForEditors(word.meaning) << '\t' << source << '\n';
    }

    void WriteVocabulary(const std::string& headword, const EnglishSenses& senses) {
        for (std::size_t row : senses.vocabulary) {
            const VocabularyRow& source = m_catalog.sources.vocabulary[row];
            for (const std::string& sense : source.senses) {
                for (const PersianWord& word : m_catalog.words.Of(sense)) {
                    Row(headword, "ours", source.pos, source.note, word, "ours");
                }
            }
        }
    }

    void WriteSynset(const std::string& headword, const WordSense& sense) {
        const SynsetId id = MakeSynsetId(sense.pos, sense.offset);
        const std::string key = SynsetSenseKey(id);
        const std::string& definition = m_catalog.wordNet.Find(id)->definition;
        const char* pos = kPosTags[sense.pos];
        for (const auto* list : {&m_catalog.synsets.words, &m_catalog.synsets.leftOut}) {
            const auto it = list->find(id);
            if (it == list->end()) continue;
            for (const PersianWord& word : it->second) {
                const auto source = m_catalog.synsets.sourceOf.find({id, WordKey(word)});
                if (source == m_catalog.synsets.sourceOf.end()) continue;
                Row(headword, key, pos, definition, word, SourceName(source->second));
                m_shown.insert(WordKey(word));
            }
        }
    }

    // A line's words that no synset of the headword shows already.
    void WriteLine(const std::string& headword, std::size_t line) {
        const WiktionaryLine& source = m_catalog.sources.wiktionary[line];
        const std::string pos = source.posTag.empty() ? "-" : source.posTag;
        for (const PersianWord& word : m_catalog.words.lineWords[line]) {
            if (m_shown.count(WordKey(word)) != 0) continue;
            Row(headword, LineSenseKey(source.lineNumber), pos, source.gloss, word, "line");
        }
    }

    void WriteName(const std::string& headword, std::size_t name) {
        for (const PersianWord& word : m_catalog.words.Of(m_catalog.sources.names[name].persian)) {
            Row(headword, "cldr", "n", m_catalog.sources.names[name].english, word, "cldr");
        }
    }

    void WriteHint(const std::string& headword, const EnglishSenses& senses) {
        const PersianWord* word = HintWord(m_catalog, senses);
        if (word == nullptr || !PersianSenseWords(m_catalog, senses).empty()) return;
        const WordSense& first = *std::find_if(senses.wordNet->begin(), senses.wordNet->end(),
                                               [](const WordSense& s) { return s.pos == kNoun; });
        Row(headword, "hint", "n", m_catalog.wordNet.Find(MakeSynsetId(kNoun, first.offset))->definition, *word,
            "hint");
    }

    const SenseCatalog& m_catalog;
    std::ostream& m_out;
    std::set<std::string> m_shown;
};

}  // namespace

void WriteReviewList(const SenseCatalog& catalog, std::ostream& out) {
    CReviewWriter writer(catalog, out);
    for (const auto& [headword, senses] : catalog.headwords.english) writer.Write(headword, senses);
}

void WriteRanks(const std::map<std::string, int>& rankOf, std::ostream& out) {
    for (const auto& [headword, rank] : rankOf) out << headword << '\t' << rank << '\n';
}

}  // namespace nira::datatool
