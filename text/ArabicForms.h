// Classification of Arabic-script characters for the conversion to code
// page 1256: which units are letters, which are marks riding on a letter,
// and the base letter of a presentation form.
#pragma once

namespace nira {

// True for letters of the Arabic script (tatweel included: it joins like
// a letter), in the basic, supplement, extended and presentation blocks.
bool IsArabicScriptLetter(char16_t unit);

// True for the combining marks of the Arabic script (harakat, Quranic
// annotation signs), which belong to the letter before them.
bool IsArabicMark(char16_t unit);

// The base letter of a presentation form (U+FB50..U+FDFF, U+FE70..U+FEFF)
// whose base code page 1256 can write (or U+06CC Persian yeh); 0 for every
// other unit, ligatures of two letters included.
char16_t PresentationFormBase(char16_t unit);

}  // namespace nira
