// Stage: the generated headers written: NiraWordForms.h, then
// NiraEdition.h, which includes it (tools/EditionHeader.h,
// tools/WordFormTables.h).
#pragma once

#include "tools/DataBuildPaths.h"
#include "tools/EditionHeader.h"
#include "tools/WordFormTables.h"

namespace nira::datatool {

// Writes paths.wordForms and paths.header; throws std::runtime_error when
// one cannot be written.
void WriteHeaders(const EditionConstants& edition, const WordFormRows& wordForms,
                  const DataBuildPaths& paths);

}  // namespace nira::datatool
