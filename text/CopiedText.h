// The word a copied text offers: people copy a word with what surrounds
// it (a spreadsheet cell's line break, a triple-clicked line, a tab, a
// no-break space, direction marks from a web page).
#pragma once

#include <cstddef>
#include <string_view>

namespace nira {

// True for the white space and the invisible format characters that a
// copied word loses at its ends: space, tab, CR, LF and the other C0
// spaces, NEL, no-break spaces, the Unicode spaces, ZWNJ, ZWJ, the
// direction marks and embeddings, the byte order mark, soft hyphen.
bool IsTrimmedAtEnds(char16_t unit);

// The first line of text with its ends trimmed: leading white space and
// format characters go (line breaks among them), then the text ends at
// its first line break (CR, LF, VT, FF, NEL, U+2028, U+2029), then the
// trailing ones go. A view into text.
std::u16string_view CopiedWord(std::u16string_view text);

// The same for code page 1256 bytes, classified by their characters; a
// view into text.
std::string_view CopiedWordCp1256(std::string_view text);

}  // namespace nira
