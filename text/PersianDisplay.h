// Code page 1256 text as a reader sees it. The code page writes Persian
// kaf and yeh with the Arabic letters' bytes (0xDF kaf, 0xEC alef maksura,
// 0xED yeh); shown literally they come out in Arabic forms (final kaf with
// its hamza-like mark, yeh with two dots below at the end of a word).
// What the window shows and `nira lookup` prints takes the Persian letters
// instead; the stored bytes stay as they are, and the shown text converts
// back to the same bytes (keheh is rewritten as kaf by the lookup, Persian
// yeh becomes 0xED before a letter and 0xEC elsewhere).
#pragma once

#include <cstddef>
#include <string>

namespace nira {

// The displayed UTF-16 unit of a code page byte: Cp1256ToUnit but for
// 0xDF -> U+06A9 keheh and 0xEC, 0xED -> U+06CC Persian yeh.
char16_t DisplayUnit(unsigned char byte);

// Bytes to displayed UTF-16: min(n, capacity) bytes, one unit each;
// returns the units written. Writes no terminator.
std::size_t Cp1256ToDisplay(const unsigned char* src, std::size_t n,
                            char16_t* dst, std::size_t capacity);

// The displayed text as UTF-8, for the command line.
std::string Cp1256ToDisplayUtf8(const unsigned char* src, std::size_t n);

}  // namespace nira
