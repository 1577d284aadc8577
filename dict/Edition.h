// What one edition of the data files fixes: where each file's EntryIndex
// starts, its letter buckets, its digest and the scramble key. The data
// build generates one such edition (NiraEdition.h); tests build small ones.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nira {

struct WordFormTables;

// One row of a LetterBucket table: headwords beginning with firstByte are
// entries n + 1 to the n of the next row. The table ends with a 0xFF row.
struct LetterBucketRow {
    int32_t firstByte;
    int32_t n;
};

struct LetterBucketTable {
    const LetterBucketRow* rows = nullptr;
    std::size_t count = 0;  // rows, the 0xFF end row included
};

struct DataFileEdition {
    const char* name = nullptr;      // "persian" or "english"
    int32_t indexBase = 0;
    int32_t highestEntry = 0;
    const char* digest = nullptr;    // 32 lower-case hex digits
    LetterBucketTable buckets;
};

struct DictionaryEdition {
    DataFileEdition persian;   // English headwords; bucket rows a..z
    DataFileEdition english;   // Persian headwords; one row per first byte
    unsigned char scrambleKey = 0;
    // The forms a query may stand for (dict/WordForms.h); none when null.
    const WordFormTables* wordForms = nullptr;
};

// What an edition's entries hold: English headwords with a Persian
// translation, with only a category hint ("a kind of ..."), with neither;
// Persian headwords and how many of them our own vocabulary gives.
struct EditionContent {
    int32_t englishTranslated = 0;
    int32_t englishHintOnly = 0;
    int32_t englishNeither = 0;
    int32_t persianHeadwords = 0;
    int32_t persianFromVocabulary = 0;      // words of our English→Persian rows
    int32_t persianSingleWords = 0;         // without a space
    int32_t persianFromOwnVocabulary = 0;   // words of our Persian→English rows
};

}  // namespace nira
