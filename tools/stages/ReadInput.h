// Stage: every input of the build read and parsed before any work, so that
// a missing or malformed file stops the build before anything is written:
// the word lists of the sources folder, our vocabulary, the CLDR names,
// our editors' verdicts (a mended gloss replaces the source's), the
// welcome and About texts, WordNet, the lists of word forms and the
// subtitle frequency list.
#pragma once

#include <string>
#include <vector>

#include "tools/DataBuildPaths.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"

namespace nira::datatool {

// The texts the word form tables are made from.
struct WordFormLists {
    std::vector<std::string> exceptionLists;  // WordNet's noun.exc, verb.exc, adj.exc, adv.exc
    std::string verbs;                        // tools/data/persian-verbs.tsv
    std::string colloquial;                   // tools/data/persian-colloquial.tsv
};

struct BuildInput {
    Sources sources;  // with our vocabulary and the CLDR names when given
    CWordNet wordNet;
    WordFormLists wordForms;
    std::string welcome;  // in code page 1256, "\r\n" line breaks
    std::string about;
};

// Throws std::runtime_error naming the file that is missing, or a text the
// program cannot show (a character without a byte, too long or empty).
BuildInput ReadBuildInput(const DataBuildPaths& paths);

}  // namespace nira::datatool
