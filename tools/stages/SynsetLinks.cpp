#include "tools/stages/SynsetLinks.h"

#include "text/Cp1256.h"
#include "tools/SenseMapping.h"

namespace nira::datatool {

std::vector<OmwLink> SynsetLinks(const CWordNet& wordNet, const Sources& sources, BuildCounts& counts) {
    std::vector<OmwLink> links = sources.links;
    for (const SenseMatch& match : MatchWiktionarySenses(wordNet, sources.wiktionary)) {
        ++(match.byGloss ? counts.wiktionaryByGloss : counts.wiktionaryOneSynset);
        for (const std::u16string& translation : sources.wiktionary[match.line].translations) {
            links.push_back({match.synset, Utf16ToUtf8(translation), true,
                             sources.wiktionary[match.line].lineNumber});
        }
    }
    return links;
}

}  // namespace nira::datatool
