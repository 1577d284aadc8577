// Our editors' verdicts on what the sources give: tools/data/review/*.tsv,
// rows
//   headword<TAB>sense<TAB>persian<TAB>verdict[<TAB>text]
// A sense is a WordNet synset ("06410904-n"), a line of the Wiktionary
// list ("w4521", its line number), "cldr" (a CLDR name of the headword) or
// "hint" (the category hint of the headword, persian its "X" of "نوعی X")
// or "spell" (headword "-": a source's spelling, wherever it stands).
// Verdicts:
//   keep     the word is right for the sense (an automatic link becomes
//            confirmed);
//   drop     the word is wrong for the sense: left out of both files;
//   restore  an automatic link the link judge left out is right after all;
//   out      such a link was read and stays out;
//   gloss    (a Wiktionary line, persian "-") text replaces the line's
//            English gloss, mending a typo of the source;
//   spell    (sense "spell") the sources' word persian is written text
//            (پاک کن → پاک‌کن).
// headword is the word under which the editor judged; synset and line
// verdicts hold wherever the sense stands, the others for that headword.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "tools/Wiktionary.h"
#include "tools/WordNet.h"

namespace nira::datatool {

enum class Verdict { kNone, kKeep, kDrop, kRestore, kOut, kGloss, kSpell };

struct ReviewRow {
    std::string headword;  // UTF-8 as written
    std::string sense;
    std::string persian;   // UTF-8
    Verdict verdict = Verdict::kNone;
    std::string text;
};

// The rows of one file; a malformed row throws std::runtime_error naming
// name and line, as our vocabulary does.
std::vector<ReviewRow> ParseReview(const std::string& text, const std::string& name);

class CEditorReview {
public:
    CEditorReview() = default;
    explicit CEditorReview(const std::vector<ReviewRow>& rows);

    // The verdict on a word (its key as the data files write it) of a
    // synset, a Wiktionary line (its line number) or a headword's CLDR name.
    Verdict OfSynset(SynsetId synset, const std::string& wordKey) const;
    Verdict OfLine(int lineNumber, const std::string& wordKey) const;
    Verdict OfName(const std::string& englishHeadword, const std::string& wordKey) const;
    // The verdict on a headword's hint "نوعی X", X as a key.
    Verdict OfHint(const std::string& englishHeadword, const std::string& wordKey) const;
    // How a source's word (by its key) is to be written, or nullptr.
    const std::string* RespellingOf(const std::string& wordKey) const;
    // A mended gloss of a Wiktionary line, or nullptr.
    const std::string* GlossOfLine(int lineNumber) const;

    // How many verdicts of each kind met their word, for the report.
    std::size_t MetCount(Verdict verdict, bool hints) const;
    // Verdicts no source word met (a stale record): "sense persian" each.
    std::vector<std::string> Unmatched() const;

private:
    struct Entry {
        Verdict verdict = Verdict::kNone;
        std::string persian;  // as written, for Unmatched
        mutable bool met = false;
    };
    Verdict Of(const std::string& sense, const std::string& wordKey) const;

    std::map<std::pair<std::string, std::string>, Entry> m_verdicts;  // (sense, word key)
    std::map<int, std::string> m_glosses;
    std::map<std::string, std::string> m_spellings;  // word key → UTF-8 text
};

// Each Wiktionary line's gloss as the editors mended it, before any stage
// reads it.
void MendGlosses(std::vector<WiktionaryLine>& lines, const CEditorReview& review);

// The sense column of a synset, "06410904-n" (satellites as "a").
std::string SynsetSenseKey(SynsetId id);
std::string LineSenseKey(int lineNumber);

// Every *.tsv of the folder, in the order of their names; a missing folder
// throws std::runtime_error.
std::vector<ReviewRow> ReadReviewFolder(const std::string& folder);

}  // namespace nira::datatool
