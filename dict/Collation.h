// The order of headwords: bytes below 0x80 by value, Persian letters in
// alphabetical order through the PersianCollation ranks.
#pragma once

#include <cstddef>

namespace nira {

// Sort rank of byte 0x80 + i.
extern const unsigned char kPersianCollation[128];

// -1, 0 or 1 as query sorts before, equal to or after headword.
int CompareHeadword(const unsigned char* query, const unsigned char* headword);

// The same with a headword that ends at its NUL or after limit bytes,
// whichever comes first: what CompareHeadword gives on the headword copied
// out with a NUL after at most limit bytes, without the copy.
int CompareHeadword(const unsigned char* query, const unsigned char* headword,
                    std::size_t limit);

}  // namespace nira
