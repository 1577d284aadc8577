// What an edition's entries hold, as `nira info` and the data build print
// it: the same figures in the same words in both places.
#pragma once

#include <string>

#include "dict/Edition.h"

namespace nira {

// Lines of text, each ended by "\n", each starting with prefix.
std::string ContentReport(const EditionContent& content, const std::string& prefix);

}  // namespace nira
