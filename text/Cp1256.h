// Code page 1256 (Windows Arabic): one byte for one UTF-16 unit each way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nira {

// The UTF-16 unit of a code page byte.
char16_t Cp1256ToUnit(unsigned char byte);

// Bytes to UTF-16: converts min(n, capacity) bytes, one unit each; returns
// the units written. Writes no terminator.
std::size_t Cp1256ToWide(const unsigned char* src, std::size_t n,
                         char16_t* dst, std::size_t capacity);

// UTF-16 to bytes, for text typed or copied by the user: code page
// characters map to their byte; Persian yeh to 0xED before an Arabic-script
// letter and 0xEC otherwise; Arabic-Indic and Persian digits to ASCII;
// presentation forms to their base letter; anything else to '?'. A
// surrogate pair is one character, one byte. Converts at most n units into
// at most capacity bytes; returns the bytes written. Writes no terminator.
std::size_t WideToCp1256(const char16_t* src, std::size_t n,
                         unsigned char* dst, std::size_t capacity);

// Convenience forms for the command line and the data build.
std::string Cp1256ToUtf8(const unsigned char* src, std::size_t n);
// The whole text through WideToCp1256, as a byte string.
std::string WideToCp1256(std::u16string_view text);
std::string Cp1256ToUtf8(const std::string& bytes);
std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace nira
