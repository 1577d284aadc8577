#include "dict/Lookup.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

#include "dict/Collation.h"
#include "text/PersianSpelling.h"

namespace nira {

namespace {

constexpr unsigned char kSpace = 0x20;

// Walks the letter rows (all but the 0xFF end row), setting each row's
// range before testing its byte, so a byte that matches no row keeps the
// range of the last letter row.
void WalkLetterRows(unsigned char ch, const LetterBucketTable& table,
                    LookupState& state) {
    if (table.rows == nullptr || table.count < 2) {
        state.m_first = 1;  // no letter rows: an empty range
        state.m_last = 0;
        return;
    }
    for (std::size_t i = 0; i + 1 < table.count; ++i) {
        state.m_first = table.rows[i].n + (table.rows[i].n < INT32_MAX ? 1 : 0);  // never overflows
        state.m_last = table.rows[i + 1].n;
        if (table.rows[i].firstByte == ch) return;
    }
}

// Entries whose headwords begin below 'a': 1 to the N of the first row.
void SetBelowLettersRange(const LetterBucketTable& table, LookupState& state) {
    state.m_first = 1;
    state.m_last = (table.rows != nullptr && table.count > 0) ? table.rows[0].n : 0;
}

bool IsEnglishFirstByte(unsigned char ch) {
    return ch >= kFirstEnglishByte && ch <= kLastEnglishByte;
}

void LowerCaseAscii(unsigned char* text) {
    for (; *text != 0; ++text) {
        if (*text >= 'A' && *text <= 'Z') *text = static_cast<unsigned char>(*text - 'A' + 'a');
    }
}

// Compares key with the headword of entry k. An entry whose offset cannot
// be read or lies outside the file compares as an empty headword.
int ProbeEntry(const unsigned char* key, const DictionaryFile& file, int32_t k) {
    const unsigned char* headword = nullptr;  // never read when limit is 0
    std::size_t limit = 0;
    int32_t offset = 0;
    if (ReadEntryOffset(file, k, offset)) limit = HeadwordAt(file, offset, headword);
    return CompareHeadword(key, headword, limit);
}

int64_t Middle(int64_t first, int64_t last) { return first + (last - first) / 2; }

int32_t AsEntryNumber(int64_t k) {
    return k < 1 || k > INT32_MAX ? 0 : static_cast<int32_t>(k);
}

// Starts the memory reads of the probes that can come next, so that they
// overlap this one instead of following it: the headwords of both halves'
// middle entries (their offsets were asked for a step earlier) and the
// offsets of the four quarters' middle entries. Only hints: no probe is
// made or reordered.
void PrefetchNextProbes(const DictionaryFile& file, int64_t first, int64_t mid, int64_t last) {
    const int64_t left = Middle(first, mid - 1);
    const int64_t right = Middle(mid + 1, last);
    PrefetchHeadword(file, AsEntryNumber(left));
    PrefetchHeadword(file, AsEntryNumber(right));
    PrefetchEntryOffset(file, AsEntryNumber(Middle(first, left - 1)));
    PrefetchEntryOffset(file, AsEntryNumber(Middle(left + 1, mid - 1)));
    PrefetchEntryOffset(file, AsEntryNumber(Middle(mid + 1, right - 1)));
    PrefetchEntryOffset(file, AsEntryNumber(Middle(right + 1, last)));
}

int Sign(int value) { return (value > 0) - (value < 0); }

// The field's text as an 8-bit query: converted into the query buffer in
// the spelling of the headwords (never more bytes than it holds), trimmed,
// cut to 51 bytes when the field had more than 50 units, keheh rewritten
// as kaf.
void BuildQuery(const char16_t* text, std::size_t n,
                unsigned char (&query)[kQueryBufferSize]) {
    const std::size_t capacity = std::min<std::size_t>(n, kQueryBufferSize - 1);
    const std::size_t written = HeadwordSpelling(text, n, query, capacity);
    query[std::min(written, capacity)] = 0;
    TrimSpaces(query);
    if (n > static_cast<std::size_t>(kLongQueryUnits)) query[kMaxHeadwordBytes] = 0;
    NormalizeKaf(query);
}

}  // namespace

void TrimSpaces(unsigned char* text) {
    std::size_t start = 0;
    while (text[start] == kSpace) ++start;
    std::size_t end = start + std::strlen(reinterpret_cast<const char*>(text + start));
    while (end > start && text[end - 1] == kSpace) --end;
    std::memmove(text, text + start, end - start);
    text[end - start] = 0;
}

std::size_t NormalizeKaf(unsigned char* text) {
    std::size_t length = 0;
    for (; text[length] != 0; ++length) {
        if (text[length] == kKeheh) text[length] = kKaf;
    }
    return length;
}

void ChooseLetterBucket(unsigned char ch, LookupState& state,
                        const Dictionary& dict) {
    if (ch < kFirstEnglishByte || ch > kLastEnglishByte) {
        WalkLetterRows(ch, dict.m_persianTable, state);
    } else if (ch >= kFirstEnglishLetter) {
        WalkLetterRows(ch, dict.m_englishTable, state);
    } else {
        SetBelowLettersRange(dict.m_englishTable, state);
    }
}

DataFileId FileForFirstByte(unsigned char ch) {
    return IsEnglishFirstByte(ch) ? DataFileId::Persian : DataFileId::English;
}

int SearchEntry(const unsigned char* key, const DictionaryFile& file,
                int32_t first, int32_t last, int32_t& current) {
    // The halving of a recursive binary search, as a loop: the same entries
    // are probed in the same order, and current holds the last one probed.
    for (;;) {
        if (static_cast<int64_t>(last) - first < 1) {
            current = first;
            return Sign(ProbeEntry(key, file, first));
        }
        const int32_t mid = static_cast<int32_t>(
            first + (static_cast<int64_t>(last) - first) / 2);
        current = mid;
        PrefetchNextProbes(file, first, mid, last);
        const int r = ProbeEntry(key, file, mid);
        if (r == 0) return 0;
        if (r < 0) {
            if (mid == first) return -1;
            last = mid - 1;
        } else {
            first = mid + 1;
        }
    }
}

void LookUpWord(const char16_t* text, std::size_t n, LookupState& state,
                const Dictionary& dict, LookupResult& result) {
    result.length = 0;
    result.entry[0] = 0;
    result.wordForm = false;
    if (n == 0 || text == nullptr) {
        result.outcome = LookupOutcome::EmptyField;
        return;
    }
    unsigned char query[kQueryBufferSize];
    BuildQuery(text, n, query);
    ChooseLetterBucket(query[0], state, dict);  // also for a query now empty

    const unsigned char ch = query[0];
    if (ch == 0) {
        result.outcome = LookupOutcome::SpacesOnly;
        return;
    }
    result.file = FileForFirstByte(ch);
    if (result.file == DataFileId::Persian) LowerCaseAscii(query);

    const DictionaryFile& file = dict.File(result.file);
    if (!file.IsOpen()) {
        result.outcome = LookupOutcome::FileNotOpen;
        return;
    }
    if (SearchEntry(query, file, state.m_first, state.m_last, state.m_current) != 0) {
        result.wordForm = FindWordForm(query, result.file, state, dict);
    }
    result.length = ReadEntry(file, state.m_current, result.entry);
    result.outcome = LookupOutcome::Entry;
}

}  // namespace nira
