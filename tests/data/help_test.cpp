// `nira --help`: the commands and the data folder order as the program
// searches it.
#include <gtest/gtest.h>

#include "RunNira.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

using nira::test::RunNira;

TEST(CommandLineHelp, ListsTheDataFoldersInTheOrderTheyAreSearched) {
    const std::string help = RunNira("--help");
    const char* const order[] = {"$NIRA_DATA_DIR", "current folder", "program's folder",
                                 "<bin>/../share/nira", "/share/nira."};
    std::size_t at = 0;
    for (const char* folder : order) {
        const std::size_t found = help.find(folder, at);
        ASSERT_NE(found, std::string::npos) << folder << " missing or out of order:\n" << help;
        at = found + 1;
    }
    EXPECT_NE(help.find("nira WORD..."), std::string::npos) << help;
}

}  // namespace
