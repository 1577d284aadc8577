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
// Inline: every probe of a search makes it.
inline int CompareHeadword(const unsigned char* query, const unsigned char* headword,
                           std::size_t limit) {
    constexpr unsigned int kFirstHighByte = 0x80;
    for (std::size_t i = 0;; ++i) {
        unsigned int q = query[i];
        unsigned int h = i < limit ? headword[i] : 0;
        if (q == h) {
            if (q == 0) return 0;
            continue;  // equal bytes have equal ranks
        }
        if (q == 0) return -1;
        if (h == 0) return 1;
        // Ranks apply only between two high bytes: any byte below 0x80
        // sorts before every high byte by its raw value.
        if (q >= kFirstHighByte && h >= kFirstHighByte) {
            q = kPersianCollation[q - kFirstHighByte];
            h = kPersianCollation[h - kFirstHighByte];
        }
        if (q < h) return -1;
        if (q > h) return 1;
    }
}

}  // namespace nira
