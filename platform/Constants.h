// Fixed names of the operating-system seams: the data files the data
// folder search looks for, which the data build writes under these names.
#pragma once

namespace nira {

// Data file names, looked up in the data folder.
constexpr const char* kPersianFileName = "persian";  // English headwords
constexpr const char* kEnglishFileName = "english";  // Persian headwords

}  // namespace nira
