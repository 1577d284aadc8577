#include "tools/stages/SourceHeadwords.h"

#include <algorithm>

#include "dict/Constants.h"

namespace nira::datatool {
namespace {

bool TooLong(const std::string& headword) {
    return headword.size() > static_cast<std::size_t>(kMaxHeadwordBytes);
}

void AddWordNetLemmas(const CWordNet& wordNet, HeadwordSenses& headwords, BuildCounts& counts) {
    for (const auto& [lemma, senses] : wordNet.Lemmas()) {
        if (TooLong(lemma)) {
            ++counts.longEnglishSkipped;
            continue;
        }
        headwords.english[lemma].wordNet = &senses;
        ++counts.wordNetLemmas;
    }
}

void AddWiktionaryHeadwords(const std::vector<WiktionaryLine>& lines, HeadwordSenses& headwords,
                            BuildCounts& counts) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string headword = EnglishHeadwordOf(lines[i].headword);
        if (headword.empty()) {
            ++counts.foreignEnglishSkipped;
            continue;
        }
        if (TooLong(headword)) {
            ++counts.longEnglishSkipped;
            continue;
        }
        EnglishSenses& senses = headwords.english[headword];
        if (senses.wordNet == nullptr && senses.lines.empty()) ++counts.wiktionaryOnly;
        senses.lines.push_back(i);
    }
}

// Each Persian word of a line a headword that the line translates.
void AddWiktionaryWords(const std::vector<WordList>& lineWords, HeadwordSenses& headwords) {
    for (std::size_t i = 0; i < lineWords.size(); ++i) {
        for (const PersianWord& word : lineWords[i]) {
            if (word.headword.empty()) continue;
            std::vector<std::size_t>& lines = headwords.persian[word.headword].lines;
            if (lines.empty() || lines.back() != i) lines.push_back(i);
        }
    }
}

}  // namespace

bool PersianSenses::AddWord(const std::string& word) {
    if (std::find(words.begin(), words.end(), word) != words.end()) return false;
    words.push_back(word);
    return true;
}

std::string EnglishHeadwordOf(const std::string& written) {
    std::string headword;
    for (char c : written) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::string();
        headword.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return headword;
}

HeadwordSenses SourceHeadwords(const CWordNet& wordNet, const std::vector<WiktionaryLine>& lines,
                               const SourceWords& words, BuildCounts& counts) {
    HeadwordSenses headwords;
    AddWiktionaryWords(words.lineWords, headwords);
    AddWordNetLemmas(wordNet, headwords, counts);
    AddWiktionaryHeadwords(lines, headwords, counts);
    return headwords;
}

}  // namespace nira::datatool
