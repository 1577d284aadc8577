#include "tools/stages/Headers.h"

#include "tools/SourceFile.h"

namespace nira::datatool {

void WriteHeaders(const EditionConstants& edition, const WordFormRows& wordForms,
                  const DataBuildPaths& paths) {
    WriteWholeFile(paths.wordForms, WordFormsHeaderText(wordForms));
    WriteWholeFile(paths.header, EditionHeaderText(edition));
}

}  // namespace nira::datatool
