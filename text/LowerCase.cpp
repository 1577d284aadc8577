#include "text/LowerCase.h"

namespace nira {

char16_t LowerCaseUnit(char16_t unit) {
    if (unit >= u'A' && unit <= u'Z') return static_cast<char16_t>(unit - u'A' + u'a');
    // À..Þ: each small letter stands 0x20 above; × (U+00D7) has no case.
    if (unit >= 0x00C0 && unit <= 0x00DE && unit != 0x00D7) return static_cast<char16_t>(unit + 0x20);
    switch (unit) {
    case 0x0152: return 0x0153;  // Œ
    case 0x0178: return 0x00FF;  // Ÿ
    case 0x0191: return 0x0192;  // Ƒ
    default: return unit;
    }
}

void LowerCaseInPlace(char16_t* text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) text[i] = LowerCaseUnit(text[i]);
}

std::u16string LowerCase(std::u16string_view text) {
    std::u16string lower(text);
    LowerCaseInPlace(lower.data(), lower.size());
    return lower;
}

}  // namespace nira
