// The welcome text shown while the query field is empty, stored scrambled
// in pieces.
#pragma once

#include <cstddef>

#include "present/Constants.h"

namespace nira {

// Joins the pieces in order into out (cut to fit, NUL-ended), unscrambles
// the joined text and returns its length in bytes.
std::size_t JoinWelcomeText(const char* const* pieces, std::size_t count,
                            unsigned char key,
                            unsigned char (&out)[kWelcomeBufferSize]);

// The About box's text: stored XOR key alone (no - 1). Copies the stored
// bytes up to their NUL into out (cut to outSize - 1) and unscrambles them;
// returns the length.
std::size_t UnscrambleAboutText(const unsigned char* stored, unsigned char key,
                                unsigned char* out, std::size_t outSize);

}  // namespace nira
