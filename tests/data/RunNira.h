// Runs the built `nira` with arguments (after an optional shell prefix,
// such as a redirection or an environment setting) and returns what it
// wrote to standard output and standard error.
#pragma once

#include <array>
#include <cstdio>
#include <string>

namespace nira::test {

inline std::string RunNira(const std::string& arguments, const std::string& prefix = "") {
    const std::string command =
        "{ " + prefix + "'" + std::string(NIRA_TEST_BIN) + "' " + arguments + "; } 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return "";
    std::array<char, 4096> chunk;
    std::size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) output.append(chunk.data(), n);
    pclose(pipe);
    return output;
}

}  // namespace nira::test
