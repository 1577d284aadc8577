// The files the data build reads and writes, as given on its command line.
#pragma once

#include <string>

namespace nira::datatool {

struct DataBuildPaths {
    std::string sources;     // folder of the word lists
    std::string wordNet;     // WordNet 3.0 dict folder
    std::string welcome;     // res/welcome-fa.txt (UTF-8)
    std::string about;       // res/about.txt (UTF-8)
    std::string dataDir;     // where "persian" and "english" are written
    std::string header;      // the generated NiraEdition.h
    std::string wordForms;   // the generated NiraWordForms.h
    std::string verbs;       // tools/data/persian-verbs.tsv
    std::string colloquial;  // tools/data/persian-colloquial.tsv
    std::string vocabulary;  // our own tools/data/vocabulary; "" for none
    std::string persianVocabulary;  // our own tools/data/vocabulary/persian; "" for none
    std::string cldr;        // the unpacked CLDR packages; "" for none
    std::string review;      // our editors' verdicts, tools/data/review; "" for none
    std::string frequency;   // the subtitle frequency list (index.json); "" for none
    std::string reviewList;  // where to write the editors' work list; "" for none
};

}  // namespace nira::datatool
