#include "tools/Senses.h"

#include <algorithm>

namespace nira::datatool {
namespace {

constexpr std::size_t kLineBreakBytes = 2;  // "\r\n"

void SetKept(std::size_t* kept, std::size_t value) {
    if (kept != nullptr) *kept = value;
}

}  // namespace

std::size_t BrokenLength(std::size_t storedBytes, std::size_t count) {
    return count == 0 ? storedBytes : storedBytes + kLineBreakBytes * (count - 1);
}

std::string CutAtSpace(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::string cut = text.substr(0, maxBytes);
    const bool atWordEnd = text[maxBytes] == ' ';
    const std::size_t space = cut.rfind(' ');
    if (!atWordEnd && space != std::string::npos && space > 0) cut.erase(space);
    // No separator left dangling at the end ("word،", "word;").
    while (!cut.empty() && std::string(" ,;\xA1\xBA").find(cut.back()) != std::string::npos) cut.pop_back();
    return cut;
}

std::string NumberSenses(const std::vector<std::string>& senses, const SenseLimits& limits,
                         std::size_t* kept) {
    std::string text;
    std::size_t count = 0;
    for (const std::string& sense : senses) {
        if (count == static_cast<std::size_t>(kMaxSenseNumber)) break;
        const std::string piece =
            (count == 0 ? "" : " ") + std::to_string(count + 1) + "- " + sense;
        const std::size_t stored = text.size() + piece.size();
        if (stored > limits.storedBytes || BrokenLength(stored, count + 1) > limits.brokenBytes) {
            if (count == 0) {
                text = CutAtSpace(piece, std::min(limits.storedBytes, limits.brokenBytes));
                count = text.empty() ? 0 : 1;
            }
            break;
        }
        text += piece;
        ++count;
    }
    SetKept(kept, count);
    return text;
}

std::string JoinSenses(const std::vector<std::string>& senses, const std::string& separator,
                       std::size_t maxBytes, std::size_t* kept) {
    std::string text;
    std::size_t count = 0;
    for (const std::string& sense : senses) {
        const std::size_t added = (count == 0 ? 0 : separator.size()) + sense.size();
        if (text.size() + added > maxBytes) {
            if (count == 0) {
                text = CutAtSpace(sense, maxBytes);
                count = text.empty() ? 0 : 1;
            }
            break;
        }
        if (count > 0) text += separator;
        text += sense;
        ++count;
    }
    SetKept(kept, count);
    return text;
}

}  // namespace nira::datatool
