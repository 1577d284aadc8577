// Text of the sources written in code page 1256: English glosses and
// words, the welcome and About texts. The code page conversion of text/
// does the table; this adds what the data build needs on top of it.
#pragma once

#include <string>

namespace nira::datatool {

constexpr unsigned char kEnDash = 0x96;

// Whether code page 1256 (with the mapping of digits and presentation
// forms of text/Cp1256.h) writes the unit as a byte of its own.
bool HasCodePageByte(char16_t unit);

// English text (UTF-8) in code page 1256: letters the page lacks fold to
// their base letter (ā → a), sub- and superscript digits to digits, other
// spaces and controls to a space, runs of spaces to one; what is left
// without a byte becomes '?'. Leading and trailing spaces are removed.
std::string EnglishBytes(const std::string& utf8);

// Every '-' becomes an en dash: in the "persian" file only the build's own
// sense numbers may stand before a '-', since the line breaking takes every
// other hyphen away.
void HyphensToEnDash(std::string& bytes);

// A whole text of the program (welcome, About), Persian and English mixed:
// Persian look-alikes mapped as in the data, line breaks written "\r\n",
// trailing line breaks dropped. missing lists the characters the code page
// lacks; the text is usable only when it is empty.
struct ProgramText {
    std::string bytes;
    std::u16string missing;
};
ProgramText ProgramTextBytes(const std::string& utf8);

}  // namespace nira::datatool
