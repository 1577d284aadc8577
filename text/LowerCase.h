// The lower-case style of the query field, as one function for every road
// into the lookup: the window's field applies it to what is typed, pasted
// or set, and `nira lookup` to its arguments, so both search the same text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nira {

// The Unicode simple lower case of the capitals whose small letters code
// page 1256 writes (A-Z, the Latin-1 capitals, Œ, Ƒ, Ÿ); every other unit
// as it is. One unit gives one unit, so the text keeps its length.
char16_t LowerCaseUnit(char16_t unit);

void LowerCaseInPlace(char16_t* text, std::size_t n);
std::u16string LowerCase(std::u16string_view text);

}  // namespace nira
