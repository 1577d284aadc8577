// Stage: the scramble key (tools/EditionHeader.h) and every text in the
// form it is stored in: the Persian meanings and the welcome text
// scrambled, the About text XORed.
#pragma once

#include <string>
#include <vector>

#include "tools/BuiltDictionary.h"

namespace nira::datatool {

struct StoredTexts {
    unsigned char scrambleKey = 0;
    std::vector<std::string> persianMeanings;  // one per entry of the "persian" file, in its order
    std::vector<std::string> welcomePieces;    // six
    std::string about;                         // without the final 0
};

// welcome and about in code page 1256. Throws std::runtime_error when no
// key fits the texts.
StoredTexts StoreTexts(const BuiltDictionary& built, const std::string& welcome, const std::string& about);

}  // namespace nira::datatool
