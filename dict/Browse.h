// Stepping to the previous or next entry of the bucket last searched.
#pragma once

#include "dict/Lookup.h"

namespace nira {

// Moves state.m_current one entry back (delta -1) or forward (+1) inside
// m_first..m_last, in the file that m_headword's first byte selects, and
// writes that entry's headword into headword. False when the step is at the
// edge of the range or the file is not open; then nothing changes.
bool StepEntry(int delta, LookupState& state, const Dictionary& dict,
               unsigned char (&headword)[kHeadwordBufferSize]);

}  // namespace nira
