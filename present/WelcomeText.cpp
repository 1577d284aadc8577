#include "present/WelcomeText.h"

#include <algorithm>
#include <cstring>

#include "present/Scramble.h"

namespace nira {

std::size_t JoinWelcomeText(const char* const* pieces, std::size_t count,
                            unsigned char key,
                            unsigned char (&out)[kWelcomeBufferSize]) {
    std::size_t length = 0;
    for (std::size_t i = 0; pieces != nullptr && i < count; ++i) {
        if (pieces[i] == nullptr) continue;
        const std::size_t room = kWelcomeBufferSize - 1 - length;
        const std::size_t piece = std::min(std::strlen(pieces[i]), room);
        std::memcpy(out + length, pieces[i], piece);
        length += piece;
    }
    out[length] = 0;
    return Unscramble(out, key);
}

std::size_t UnscrambleAboutText(const unsigned char* stored, unsigned char key,
                                unsigned char* out, std::size_t outSize) {
    if (out == nullptr || outSize == 0) return 0;
    std::size_t length = 0;
    while (stored != nullptr && length + 1 < outSize && stored[length] != 0) {
        out[length] = static_cast<unsigned char>(stored[length] ^ key);
        ++length;
    }
    out[length] = 0;
    return length;
}

}  // namespace nira
