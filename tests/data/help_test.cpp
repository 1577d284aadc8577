// `nira --help`: the commands and the data folder order as the program
// searches it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

std::string RunNira(const std::string& arguments) {
    const std::string command = "'" + std::string(NIRA_TEST_BIN) + "' " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return "";
    std::array<char, 4096> chunk;
    std::size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) output.append(chunk.data(), n);
    pclose(pipe);
    return output;
}

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
