// Stage: the Persian words each synset gets from the links. Curated links
// give theirs. Each automatic (link, word) is judged once by the evidence
// of every link and curated list (tools/LinkScore.h) and added when
// confirmed, then the ones kept, so that confirmed words stand first
// within a sense; the dropped ones are left out of both files. Our
// editors' verdicts (tools/EditorReview.h) overrule both: a dropped word is
// left out whatever gave it, a word they keep or restore is confirmed. Each
// Persian headword a link adds notes the synset it translates.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

#include "tools/BuiltDictionary.h"
#include "tools/Sources.h"
#include "tools/WordNet.h"
#include "tools/stages/SourceHeadwords.h"
#include "tools/stages/SourceWords.h"

namespace nira::datatool {

// Where a synset's word came from, for the editors' review lists.
enum class LinkSource { kTable, kWiktionary, kConfirmed, kKept, kLeftOut, kEditor };

struct LinkedSynsets {
    std::unordered_map<SynsetId, WordList> words;         // every word a link added
    std::unordered_map<SynsetId, WordList> curatedWords;  // ... a curated link added
    std::set<SynsetId> confirmed;                         // with a curated or confirmed word
    std::unordered_map<SynsetId, WordList> leftOut;       // automatic words left out
    std::map<std::pair<SynsetId, std::string>, LinkSource> sourceOf;  // by word key
};

// links: those of SynsetLinks; a link to a synset WordNet lacks is counted
// and left out.
LinkedSynsets JudgeLinks(const CWordNet& wordNet, const Sources& sources,
                         const std::vector<OmwLink>& links, const SourceWords& words,
                         HeadwordSenses& headwords, BuildCounts& counts);

}  // namespace nira::datatool
