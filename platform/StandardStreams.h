// The three standard descriptors, made safe before any file is opened.
#pragma once

namespace nira {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. A file
// opened while one of them is closed would take its number: the program
// would read its own data file as queries, or write answers into it.
void OpenStandardDescriptors();

}  // namespace nira
