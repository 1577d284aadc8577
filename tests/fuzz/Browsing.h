// A lookup and prev/next steps as the window makes them, each checked
// against the file models: the entry shown is the entry the model reads.
#pragma once

#include <cstring>
#include <string>

#include "dict/Browse.h"
#include "dict/Lookup.h"
#include "text/Cp1256.h"
#include "FileModel.h"

namespace nira::fuzz {

inline const FileModel& ModelOf(DataFileId id, const FileModel& persian, const FileModel& english) {
    return id == DataFileId::Persian ? persian : english;
}

// A lookup of text, checked: the entry shown is entry m_current as the
// model reads it. The window then shows its headword, which later steps
// use to choose their file.
inline void LookUp(const std::u16string& text, LookupState& state, const Dictionary& dict,
            const FileModel& persian, const FileModel& english, LookupResult& result) {
    LookUpWord(text.data(), text.size(), state, dict, result);
    if (result.outcome != LookupOutcome::Entry) return;
    const std::string expected = ModelOf(result.file, persian, english).Entry(state.m_current);
    Check(result.length == static_cast<int>(expected.size()), "lookup entry length");
    Check(std::memcmp(result.entry, expected.data(), expected.size()) == 0, "lookup entry bytes");
    const std::string headword = HeadwordOf(expected);
    std::memcpy(state.m_headword, headword.c_str(), headword.size() + 1);
}

inline void Step(int delta, LookupState& state, const Dictionary& dict, const FileModel& persian,
          const FileModel& english, LookupResult& result) {
    const LookupState before = state;
    unsigned char headword[kHeadwordBufferSize];
    if (!StepEntry(delta, state, dict, headword)) {
        Check(state.m_current == before.m_current, "a refused step moved");
        return;
    }
    Check(state.m_current == before.m_current + delta, "step size");
    // A step from inside the bucket stays inside (a lookup of spaces only
    // may have moved the bucket away from the entry shown).
    if (before.m_current >= before.m_first && before.m_current <= before.m_last)
        Check(state.m_current >= state.m_first && state.m_current <= state.m_last, "step left the bucket");
    const FileModel& model = ModelOf(FileForFirstByte(before.m_headword[0]), persian, english);
    Check(HeadwordOf(model.Entry(state.m_current)) == reinterpret_cast<const char*>(headword),
          "stepped headword");
    // The window puts the headword into the field, which looks it up.
    const std::size_t length = std::strlen(reinterpret_cast<const char*>(headword));
    std::u16string text(length, u'\0');
    Cp1256ToWide(headword, length, text.data(), text.size());
    LookUp(text, state, dict, persian, english, result);
}

}  // namespace nira::fuzz
