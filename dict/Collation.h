// The order of headwords: bytes below 0x80 by value, Persian letters in
// alphabetical order through the PersianCollation ranks.
#pragma once

namespace nira {

// Sort rank of byte 0x80 + i.
extern const unsigned char kPersianCollation[128];

// -1, 0 or 1 as query sorts before, equal to or after headword.
int CompareHeadword(const unsigned char* query, const unsigned char* headword);

}  // namespace nira
