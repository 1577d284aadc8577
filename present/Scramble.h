// The one-byte transform of the stored Persian meanings and welcome text.
#pragma once

#include <cstddef>

namespace nira {

// Each byte b becomes ((b XOR key) - 1) mod 256, up to the first NUL;
// returns the length taken before anything changed.
std::size_t Unscramble(unsigned char* text, unsigned char key);

// The inverse, for writers: p becomes ((p + 1) mod 256) XOR key.
unsigned char ScrambleByte(unsigned char plain, unsigned char key);
unsigned char UnscrambleByte(unsigned char stored, unsigned char key);

}  // namespace nira
