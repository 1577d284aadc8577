// The word lookup that runs on every change of the query field: the field's
// UTF-16 text becomes an 8-bit query, which picks a data file and letter
// bucket, and the binary search leaves the entry to show in m_current.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "dict/Constants.h"
#include "dict/DictionaryFile.h"
#include "dict/Edition.h"
#include "dict/WordForms.h"

namespace nira {

// Which entries the window shows and steps through. Owned by the window.
// All three numbers start at 0 so that browsing does nothing before the
// first lookup.
struct LookupState {
    int32_t m_current = 0;
    unsigned char m_headword[kHeadwordBufferSize] = {};
    int32_t m_first = 0;
    int32_t m_last = 0;
};

enum class DataFileId { Persian, English };

// Both data files with the letter tables that belong to them.
struct Dictionary {
    DictionaryFile m_filePersian;   // English headwords
    DictionaryFile m_fileEnglish;   // Persian headwords
    LetterBucketTable m_englishTable;  // rows a..z of "persian"
    LetterBucketTable m_persianTable;  // rows of "english"
    unsigned char m_scrambleKey = 0;
    const WordFormTables* m_wordForms = nullptr;  // the edition's; may be null

    // Takes the letter tables and the scramble key of an edition.
    void UseEdition(const DictionaryEdition& edition);
    // Opens "persian", then "english", from folder with the edition's
    // IndexBases; false at the first that fails (one opened stays open).
    bool OpenFiles(const std::string& folder, const DictionaryEdition& edition);

    DictionaryFile& File(DataFileId id) {
        return id == DataFileId::Persian ? m_filePersian : m_fileEnglish;
    }
    const DictionaryFile& File(DataFileId id) const {
        return id == DataFileId::Persian ? m_filePersian : m_fileEnglish;
    }
};

enum class LookupOutcome {
    EmptyField,   // the field holds no character: show the welcome text
    SpacesOnly,   // the query trimmed to nothing: only the range changed
    FileNotOpen,  // the file to search is not open: nothing was read
    Entry,        // an entry was found and read
};

struct LookupResult {
    LookupOutcome outcome = LookupOutcome::EmptyField;
    DataFileId file = DataFileId::Persian;
    bool wordForm = false;  // the entry is a form the query stands for
    int length = 0;                              // bytes of the entry
    unsigned char entry[kEntryBufferSize] = {};  // NUL appended
};

// Removes leading and trailing space bytes (0x20 only) in place.
void TrimSpaces(unsigned char* text);

// Rewrites every keheh (0x98) as kaf (0xDF); returns the text's length.
std::size_t NormalizeKaf(unsigned char* text);

// Sets state.m_first and state.m_last for a query's first byte.
void ChooseLetterBucket(unsigned char ch, LookupState& state,
                        const Dictionary& dict);

// The file a query's (or headword's) first byte selects.
DataFileId FileForFirstByte(unsigned char ch);

// Binary search of key over entries first..last; stores every probed entry
// number in current and returns the last comparison's sign.
int SearchEntry(const unsigned char* key, const DictionaryFile& file,
                int32_t first, int32_t last, int32_t& current);

// The lookup for the field's text (n UTF-16 units), in the window's order:
// convert, trim, cut to 51 bytes, kaf, bucket, search; when the search does
// not end on the query itself, the first of its word forms that is a
// headword (FindWordForm); then read the entry.
// The headword is copied into the state by the presentation, not here.
void LookUpWord(const char16_t* text, std::size_t n, LookupState& state,
                const Dictionary& dict, LookupResult& result);

}  // namespace nira
