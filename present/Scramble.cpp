#include "present/Scramble.h"

#include <cstring>

namespace nira {

unsigned char ScrambleByte(unsigned char plain, unsigned char key) {
    return static_cast<unsigned char>((plain + 1) ^ key);
}

unsigned char UnscrambleByte(unsigned char stored, unsigned char key) {
    return static_cast<unsigned char>((stored ^ key) - 1);
}

std::size_t Unscramble(unsigned char* text, unsigned char key) {
    // The length is taken once: a byte that unscrambles to NUL does not
    // shorten the walk.
    const std::size_t length = std::strlen(reinterpret_cast<const char*>(text));
    for (std::size_t i = 0; i < length; ++i) text[i] = UnscrambleByte(text[i], key);
    return length;
}

}  // namespace nira
