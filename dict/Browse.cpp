#include "dict/Browse.h"

namespace nira {

namespace {

bool AtEdge(int delta, const LookupState& state) {
    if (delta < 0) return state.m_current <= state.m_first;
    if (delta > 0) return state.m_current >= state.m_last;
    return true;
}

// The headword: the entry's bytes up to the first NUL, at most 51 of them.
void CopyHeadword(const unsigned char* entry, int length,
                  unsigned char (&headword)[kHeadwordBufferSize]) {
    int i = 0;
    for (; i < length && i < kMaxHeadwordBytes && entry[i] != 0; ++i) {
        headword[i] = entry[i];
    }
    headword[i] = 0;
}

}  // namespace

bool StepEntry(int delta, LookupState& state, const Dictionary& dict,
               unsigned char (&headword)[kHeadwordBufferSize]) {
    // The entry shown last came from the file its headword's first byte
    // selects; an empty headword selects "english".
    const DictionaryFile& file = dict.File(FileForFirstByte(state.m_headword[0]));
    if (!file.IsOpen() || AtEdge(delta, state)) return false;

    state.m_current += delta < 0 ? -1 : 1;
    unsigned char entry[kEntryBufferSize];
    const int length = ReadEntry(file, state.m_current, entry);
    CopyHeadword(entry, length, headword);
    return true;
}

}  // namespace nira
