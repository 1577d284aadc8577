#include "present/EntryText.h"

#include <algorithm>
#include <cstring>

#include "present/Scramble.h"

namespace nira {

namespace {

constexpr unsigned char kHyphen = '-';

int BoundedLength(int length) {
    return std::min(std::max(length, 0), kEntryBufferSize - 1);
}

bool IsDigitIn(unsigned char c, char low, char high) {
    return c >= static_cast<unsigned char>(low) && c <= static_cast<unsigned char>(high);
}

// Length of the sense number standing right before the '-' at pos, or 0.
// Two characters when the second before the '-' is a digit 1..8 (whatever
// follows it: such a pair always reads as a number above 0); else the one
// character before it when that is a digit 1..9 ('0' alone is no number).
int SenseNumberLength(const unsigned char* text, std::size_t pos) {
    if (pos >= 2 && IsDigitIn(text[pos - 2], '1', '8')) return 2;
    if (pos >= 1 && IsDigitIn(text[pos - 1], '1', '9')) return 1;
    return 0;
}

// Appends into a buffer that keeps at most kMaxPaneTextBytes bytes.
class PaneText {
public:
    void Append(const unsigned char* bytes, std::size_t count) {
        const std::size_t room = kMaxPaneTextBytes - m_length;
        m_cut = m_cut || count > room;
        count = std::min(count, room);
        std::memcpy(m_bytes + m_length, bytes, count);
        m_length += count;
    }
    void Append(const char* text) {
        Append(reinterpret_cast<const unsigned char*>(text), std::strlen(text));
    }
    // Copies the text over dest with a NUL; never leaves half a line break
    // where the text was cut (a '\r' of the text itself stays).
    void CopyTo(unsigned char* dest) const {
        std::size_t length = m_length;
        if (m_cut && m_bytes[length - 1] == '\r') --length;
        std::memcpy(dest, m_bytes, length);
        dest[length] = 0;
    }

private:
    unsigned char m_bytes[kBreakBufferSize];
    std::size_t m_length = 0;
    bool m_cut = false;  // bytes were left out at the limit
};

void CopyHeadword(const unsigned char* entry, int length,
                  unsigned char (&headword)[kHeadwordBufferSize]) {
    int i = 0;
    for (; i < length && i < kMaxHeadwordBytes && entry[i] != 0; ++i) headword[i] = entry[i];
    headword[i] = 0;
}

void DecodePersianFileEntry(const unsigned char* entry, int length,
                            unsigned char scrambleKey, EntryView& view) {
    SplitEntry(entry, length, view.persian, view.english);
    view.mode = kPaneNone;
    if (view.persian[0] != 0) {
        Unscramble(view.persian, scrambleKey);
        BreakSenses(view.persian);
        view.hasPersian = true;
        view.mode = kPanePersian;
    }
    if (view.english[0] != 0) {
        BreakSenses(view.english);
        view.hasEnglish = true;
        view.mode |= kPaneEnglish;
    }
}

// An "english" entry's meaning runs from after the headword's NUL to the
// next NUL or the entry's end, and is shown as stored.
void DecodeEnglishFileEntry(const unsigned char* entry, int length, EntryView& view) {
    int i = 0;
    while (i < length && entry[i] != 0) ++i;
    ++i;  // past the headword's NUL
    int out = 0;
    for (; i < length && entry[i] != 0 && out < kMaxPaneTextBytes; ++i) {
        view.english[out++] = entry[i];
    }
    view.english[out] = 0;
    view.hasEnglish = true;
    view.mode = kPaneEnglish;
}

}  // namespace

void SplitEntry(const unsigned char* entry, int length,
                unsigned char (&persian)[kEntryBufferSize],
                unsigned char (&english)[kEntryBufferSize]) {
    // The fields run from the headword's NUL to the next NUL (or the end);
    // found with memchr, as this runs for every entry shown.
    const unsigned char* at = entry;
    const unsigned char* const end = entry + BoundedLength(length);
    unsigned char* const fields[] = {persian, english};
    const void* headwordEnd = at < end ? std::memchr(at, 0, static_cast<std::size_t>(end - at)) : nullptr;
    at = headwordEnd != nullptr ? static_cast<const unsigned char*>(headwordEnd) + 1 : end;
    for (unsigned char* field : fields) {
        const void* nul = at < end ? std::memchr(at, 0, static_cast<std::size_t>(end - at)) : nullptr;
        const unsigned char* fieldEnd = nul != nullptr ? static_cast<const unsigned char*>(nul) : end;
        std::memcpy(field, at, static_cast<std::size_t>(fieldEnd - at));
        field[fieldEnd - at] = 0;
        at = fieldEnd < end ? fieldEnd + 1 : end;
    }
}

void BreakSenses(unsigned char* text) {
    PaneText result;
    const std::size_t length = std::strlen(reinterpret_cast<const char*>(text));
    std::size_t stretch = 0;
    for (;;) {
        const unsigned char* hyphen = static_cast<const unsigned char*>(
            std::memchr(text + stretch, kHyphen, length - stretch));
        if (hyphen == nullptr) {
            result.Append(text + stretch, length - stretch);
            break;
        }
        const std::size_t pos = static_cast<std::size_t>(hyphen - text);
        const std::size_t stretchLength = pos - stretch;
        // The number is read from the unchanged text, even where it reaches
        // back into an earlier stretch.
        const std::size_t numberLength = SenseNumberLength(text, pos);
        if (numberLength == 0) {
            result.Append(text + stretch, stretchLength);  // the '-' is dropped
        } else if (stretchLength > numberLength) {
            result.Append(text + stretch, stretchLength - numberLength);
            result.Append("\r\n");
            result.Append(text + pos - numberLength, numberLength + 1);
        } else {
            result.Append(text + stretch, stretchLength + 1);
        }
        stretch = pos + 1;
    }
    result.CopyTo(text);
}

void DecodeEntry(const unsigned char* entry, int length, DataFileId file,
                 unsigned char scrambleKey, EntryView& view) {
    const int bounded = BoundedLength(length);
    view.hasPersian = false;
    view.hasEnglish = false;
    view.persian[0] = 0;
    view.english[0] = 0;
    CopyHeadword(entry, bounded, view.headword);
    if (file == DataFileId::Persian) {
        DecodePersianFileEntry(entry, bounded, scrambleKey, view);
    } else {
        DecodeEnglishFileEntry(entry, bounded, view);
    }
}

}  // namespace nira
