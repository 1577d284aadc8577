#include "tools/Sources.h"

#include <cstdlib>
#include <tuple>

#include "tools/SourceFile.h"

namespace nira::datatool {
namespace {

// "05632175-n" → the synset id, or false.
bool ParseSynsetColumn(const std::string& column, SynsetId& id) {
    if (column.size() != 10 || column[8] != '-') return false;
    for (std::size_t i = 0; i < 8; ++i) {
        if (column[i] < '0' || column[i] > '9') return false;
    }
    const int pos = PosOfLetter(column[9]);
    if (pos < 0) return false;
    id = MakeSynsetId(pos, static_cast<uint32_t>(std::strtoul(column.substr(0, 8).c_str(), nullptr, 10)));
    return true;
}

}  // namespace

std::vector<OmwLink> ParseOmwTable(const std::string& text, bool curated) {
    std::vector<OmwLink> links;
    for (const std::string& line : SplitLines(text)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) continue;
        OmwLink link;
        link.curated = curated;
        link.lemma = line.substr(tab2 + 1);
        if (ParseSynsetColumn(line.substr(0, tab1), link.synset) && !link.lemma.empty()) {
            links.push_back(std::move(link));
        }
    }
    return links;
}

Sources ReadSources(const std::string& folder) {
    // Read every file first, so that a missing one stops before any work.
    const std::string wiktionary = ReadWholeFile(JoinPath(folder, kWiktionaryFile));
    const std::string omwWiktionary = ReadWholeFile(JoinPath(folder, kOmwWiktionaryFile));
    const std::string omwCldr = ReadWholeFile(JoinPath(folder, kOmwCldrFile));
    const std::string omwPersian = ReadWholeFile(JoinPath(folder, kOmwPersianWordNetFile));

    Sources sources;
    const std::vector<std::string> lines = SplitLines(wiktionary);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        WiktionaryLine parsed;
        if (!ParseWiktionaryLine(lines[i], parsed)) continue;
        parsed.lineNumber = static_cast<int>(i + 1);
        sources.wiktionary.push_back(std::move(parsed));
    }
    for (auto [text, curated] : {std::pair{&omwWiktionary, true}, std::pair{&omwCldr, true},
                                 std::pair{&omwPersian, false}}) {
        std::vector<OmwLink> links = ParseOmwTable(*text, curated);
        sources.links.insert(sources.links.end(), links.begin(), links.end());
    }
    return sources;
}

}  // namespace nira::datatool
