// Where the data files are: $NIRA_DATA_DIR if set; the current folder if
// both files are there; the executable's folder; share/nira beside the
// executable's folder (an installed copy, wherever its prefix is); the
// installed data folder.
#pragma once

#include <string>

namespace nira {

// The folder of the running executable ("" when unknown).
std::string ExecutableDir();

// The first folder of the search order; a folder holding both data files
// wins over the later ones. With $NIRA_DATA_DIR set, that folder is taken
// whatever it holds, so that a wrong setting is reported, not hidden.
std::string FindDataFolder(const std::string& installDataDir);

// folder + "/" + name, or name alone for an empty folder.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace nira
