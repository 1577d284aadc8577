// Joining the senses of a meaning within the limits of the program's
// buffers. Meanings of the "persian" file are numbered "1- ", "2- " ...
// and the window breaks a line before every number after the first
// ("\r\n", two bytes each); meanings of the "english" file are shown as
// stored, senses separated by "; ".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nira::datatool {

// Two digits whose first is 9 do not open a sense number when the window
// breaks lines, so numbering stops here.
constexpr int kMaxSenseNumber = 89;

struct SenseLimits {
    std::size_t storedBytes;   // the text as written into the entry
    std::size_t brokenBytes;   // the text after line breaking
};

// Bytes of a numbered text of `count` senses after line breaking.
std::size_t BrokenLength(std::size_t storedBytes, std::size_t count);

// "1- a 2- b ...": as many senses as fit both limits, at most 89, cut at a
// sense boundary. A first sense that alone does not fit is cut at its last
// space that does. *kept receives the number of senses written.
std::string NumberSenses(const std::vector<std::string>& senses, const SenseLimits& limits,
                         std::size_t* kept = nullptr);

// The senses joined with separator, as many as fit maxBytes (same rule
// for a first sense that is too long).
std::string JoinSenses(const std::vector<std::string>& senses, const std::string& separator,
                       std::size_t maxBytes, std::size_t* kept = nullptr);

// text cut to at most maxBytes, at its last space that fits when there is
// one; trailing spaces and separators (, ; ، ؛) removed.
std::string CutAtSpace(const std::string& text, std::size_t maxBytes);

}  // namespace nira::datatool
