#include "tools/stages/StoredTexts.h"

#include <optional>
#include <stdexcept>

#include "present/Constants.h"
#include "tools/EditionHeader.h"

namespace nira::datatool {
namespace {

unsigned char ScrambleKeyFor(const BuiltDictionary& built, const std::string& welcome,
                             const std::string& about) {
    ByteSet scrambled{};
    ByteSet xored{};
    for (const PlainEntry& e : built.englishHeadwords) AddBytes(scrambled, e.persian);
    AddBytes(scrambled, welcome);
    AddBytes(xored, about);
    const std::optional<unsigned char> key = ChooseScrambleKey(scrambled, xored);
    if (!key) throw std::runtime_error("no scramble key fits the texts: every byte value is used");
    return *key;
}

}  // namespace

StoredTexts StoreTexts(const BuiltDictionary& built, const std::string& welcome, const std::string& about) {
    StoredTexts stored;
    stored.scrambleKey = ScrambleKeyFor(built, welcome, about);
    stored.persianMeanings.reserve(built.englishHeadwords.size());
    for (const PlainEntry& e : built.englishHeadwords) {
        stored.persianMeanings.push_back(ScrambleText(e.persian, stored.scrambleKey));
    }
    for (const std::string& piece : SplitIntoPieces(welcome, kWelcomePieceCount)) {
        stored.welcomePieces.push_back(ScrambleText(piece, stored.scrambleKey));
    }
    stored.about = XorText(about, stored.scrambleKey);
    return stored;
}

}  // namespace nira::datatool
