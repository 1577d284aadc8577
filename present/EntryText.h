// Turning an entry's bytes into what the window shows: the headword, the
// pane texts with one numbered sense per line, and the pane mode.
#pragma once

#include "dict/Constants.h"
#include "dict/Lookup.h"
#include "present/Constants.h"

namespace nira {

// Pane modes: which meaning panes show.
enum PaneMode : int {
    kPaneNone = 0,     // leave both panes as they are
    kPanePersian = 1,
    kPaneEnglish = 2,
    kPaneBoth = 3,
};

// Cuts a "persian" entry into its Persian meaning and English definition,
// walking exactly length bytes; both fields end with a NUL.
void SplitEntry(const unsigned char* entry, int length,
                unsigned char (&persian)[kEntryBufferSize],
                unsigned char (&english)[kEntryBufferSize]);

// Puts every numbered sense ("1-", "12-") on a line of its own with "\r\n"
// and drops every other '-'. Works in place; the result is cut to
// kMaxPaneTextBytes, and may be longer than the input, so text must lie in
// a buffer of at least kPaneTextUnits bytes.
void BreakSenses(unsigned char* text);

// What one entry shows. A pane's text is valid only when its flag is set;
// a pane without a text is left as it is by the window.
struct EntryView {
    unsigned char headword[kHeadwordBufferSize] = {};
    bool hasPersian = false;
    bool hasEnglish = false;
    unsigned char persian[kEntryBufferSize] = {};  // Windows-1256, NUL-ended
    unsigned char english[kEntryBufferSize] = {};
    int mode = kPaneNone;
};

// Decodes an entry of either file as the window shows it: a "persian" entry
// is split, its Persian meaning unscrambled, both broken into sense lines;
// an "english" entry's meaning is taken as stored, with mode 2.
void DecodeEntry(const unsigned char* entry, int length, DataFileId file,
                 unsigned char scrambleKey, EntryView& view);

}  // namespace nira
