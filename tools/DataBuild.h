// The whole data build: sources and WordNet in, the two data files and the
// generated headers out, the counts reported. Its stages are the files of
// tools/stages/, run in order by RunDataBuild; the dictionary's own are
// run by BuildDictionary (tools/DictionaryBuild.h).
#pragma once

#include <ostream>

#include "tools/DataBuildPaths.h"

namespace nira::datatool {

// Runs the build; throws std::runtime_error with a message for the user
// (a missing source names its file). Writes the counts to report.
void RunDataBuild(const DataBuildPaths& paths, std::ostream& report);

}  // namespace nira::datatool
