#include "tools/DataBuild.h"

#include "tools/DictionaryBuild.h"
#include "tools/InflectedForms.h"
#include "tools/stages/BuildReport.h"
#include "tools/stages/DataFiles.h"
#include "tools/stages/Headers.h"
#include "tools/stages/KeptWordForms.h"
#include "tools/stages/ReadInput.h"
#include "tools/stages/StoredTexts.h"

namespace nira::datatool {

// The stages in order: each reads what the ones before it made.
void RunDataBuild(const DataBuildPaths& paths, std::ostream& report) {
    const BuildInput input = ReadBuildInput(paths);
    const CEnglishFormTables englishForms(ExceptionPairs(input.wordForms.exceptionLists));
    const BuiltDictionary built = BuildDictionary(input.wordNet, input.sources, &englishForms.Tables());
    const StoredTexts stored = StoreTexts(built, input.welcome, input.about);
    const EditionConstants edition = WriteDataFiles(built, stored, paths.dataDir);
    const WordFormRows wordForms = KeptWordForms(input.wordForms, built);
    WriteHeaders(edition, wordForms, paths);
    ReportBuild(report, built, edition, wordForms, input.welcome.size(), input.about.size());
}

}  // namespace nira::datatool
