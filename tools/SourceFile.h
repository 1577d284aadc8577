// Reading the build's input files whole; a missing one stops the build
// with its name.
#pragma once

#include <string>
#include <vector>

namespace nira::datatool {

// The file's bytes. Throws std::runtime_error("missing source file: PATH")
// when it cannot be opened.
std::string ReadWholeFile(const std::string& path);

// Its lines without their line ends ("\n" or "\r\n").
std::vector<std::string> SplitLines(const std::string& text);

std::string JoinPath(const std::string& folder, const std::string& name);

// The pieces of text between separators (one piece when there is none).
std::vector<std::string> SplitAt(const std::string& text, const std::string& separator);
// text without the spaces at its ends.
std::string TrimSpaces(const std::string& text);

// The names of the folder's *.tsv files, sorted; a missing folder throws
// std::runtime_error naming what it should hold.
std::vector<std::string> TsvFilesOf(const std::string& folder, const std::string& what);

// Writes bytes to path through a temporary file renamed over it; throws
// std::runtime_error on failure.
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace nira::datatool
