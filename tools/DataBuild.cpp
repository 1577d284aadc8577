#include "tools/DataBuild.h"

#include <map>
#include <sstream>

#include "tools/DictionaryBuild.h"
#include "tools/InflectedForms.h"
#include "tools/ReviewList.h"
#include "tools/SourceFile.h"
#include "tools/stages/BuildReport.h"
#include "tools/stages/DataFiles.h"
#include "tools/stages/FrequencyRanks.h"
#include "tools/stages/Headers.h"
#include "tools/stages/KeptWordForms.h"
#include "tools/stages/ReadInput.h"
#include "tools/stages/SenseCatalog.h"
#include "tools/stages/StoredTexts.h"

namespace nira::datatool {
namespace {

// The editors' work list, when asked for, from the collecting stages.
std::function<void(const SenseCatalog&)> ReviewListWriter(const std::string& path) {
    if (path.empty()) return {};
    return [path](const SenseCatalog& catalog) {
        std::ostringstream list;
        WriteReviewList(catalog, list);
        WriteWholeFile(path, list.str());
    };
}

void WriteRanksFile(const std::string& path, const std::map<std::string, int>& rankOf) {
    std::ostringstream list;
    WriteRanks(rankOf, list);
    WriteWholeFile(path, list.str());
}

}  // namespace

// The stages in order: each reads what the ones before it made.
void RunDataBuild(const DataBuildPaths& paths, std::ostream& report) {
    const BuildInput input = ReadBuildInput(paths);
    const CEnglishFormTables englishForms(ExceptionPairs(input.wordForms.exceptionLists));
    const BuiltDictionary built = BuildDictionary(input.wordNet, input.sources, &englishForms.Tables(),
                                                  ReviewListWriter(paths.reviewList));
    const EnglishRanks ranks =
        RankEnglishHeadwords(input.sources.frequency, built, input.wordNet.Lemmas(), englishForms.Tables());
    const StoredTexts stored = StoreTexts(built, input.welcome, input.about);
    const EditionConstants edition = WriteDataFiles(built, stored, paths.dataDir);
    const WordFormRows wordForms = KeptWordForms(input.wordForms, built);
    WriteHeaders(edition, wordForms, paths);
    if (!paths.reviewList.empty()) WriteRanksFile(paths.reviewList + ".ranks", ranks.rankOf);
    ReportBuild(report, built, edition, wordForms, input.welcome.size(), input.about.size());
    ReportReview(report, input.sources.review, ranks);
}

}  // namespace nira::datatool
