// Turning the sources into the entries of both data files, in headword
// order, one entry per headword.
//
// "persian" (English headwords): every WordNet lemma and every Wiktionary
// headword WordNet lacks. Its English definition lists the WordNet senses
// in WordNet's order; its Persian meaning lists per sense the Persian words
// for it, most frequent sense first: the senses met in WordNet's tagged
// texts (by count), then the Wiktionary senses (curated, in their order),
// then the remaining WordNet senses in WordNet's order. A sense whose words
// were all given already is left out.
//
// "english" (Persian headwords): every Persian word of the sources. Its
// English meaning lists the synsets and Wiktionary senses it translates,
// those from curated sources before the automatic Persian WordNet links,
// each group by how often the English sense is met in the tagged texts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {

// One entry as plain bytes; the Persian meaning is scrambled later, once
// the key is known. Entries of "english" use only headword and english.
struct PlainEntry {
    std::string headword;
    std::string persian;
    std::string english;
};

struct BuildCounts {
    std::size_t wordNetLemmas = 0;
    std::size_t wiktionaryOnly = 0;
    std::size_t withPersian = 0;
    std::size_t withDefinition = 0;
    std::size_t longEnglishSkipped = 0;     // headwords over 51 bytes
    std::size_t foreignEnglishSkipped = 0;  // Wiktionary headwords with a non-ASCII byte
    std::size_t persianWordsDropped = 0;    // no letter or a character without a byte
    std::size_t persianMeaningOnly = 0;     // words that cannot be headwords
    std::size_t unknownSynsets = 0;         // links to an offset WordNet lacks
    std::size_t meaningsCut = 0;            // senses left out to fit the limits
    std::size_t automaticConfirmed = 0;     // automatic links (per word) a curated list confirms
    std::size_t automaticKept = 0;          // ... kept on other evidence
    std::size_t automaticDropped = 0;       // ... left out
};

struct BuiltDictionary {
    std::vector<PlainEntry> englishHeadwords;  // the "persian" file
    std::vector<PlainEntry> persianHeadwords;  // the "english" file
    BuildCounts counts;
};

BuiltDictionary BuildDictionary(const CWordNet& wordNet, const Sources& sources);

// Entries in the order of CompareHeadword.
void SortByHeadword(std::vector<PlainEntry>& entries);

// The bytes of an entry: headword NUL persian NUL english for "persian"
// (persianMeaning already in its stored form), headword NUL english for
// "english".
std::string PersianFileEntry(const PlainEntry& entry, const std::string& storedPersian);
std::string EnglishFileEntry(const PlainEntry& entry);

}  // namespace nira::datatool
