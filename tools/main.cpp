// nira-build-data: builds the data files "persian" and "english" and the
// generated header NiraEdition.h from the word lists and WordNet 3.0.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>

#include "tools/DataBuild.h"

namespace {

const char* const kUsage =
    "usage: nira-build-data --sources DIR --wordnet DIR --welcome FILE --about FILE\n"
    "                       --data-dir DIR --header FILE --word-forms FILE\n"
    "                       --verbs FILE --colloquial FILE --vocabulary DIR --cldr DIR\n"
    "                       --persian-vocabulary DIR --review DIR --frequency FILE\n"
    "                       [--review-list FILE]\n"
    "The environment variable NIRA_SOURCES, when set, takes the place of --sources.\n";

// The editors' work list is written only when asked for.
bool IsOptional(const std::string& name) { return name == "review-list"; }

nira::datatool::DataBuildPaths ParseArguments(int argc, char** argv) {
    std::map<std::string, std::string> values;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) != 0 || i + 1 >= argc) {
            throw std::invalid_argument(std::string("unexpected argument: ") + argv[i]);
        }
        values[argv[i] + 2] = argv[i + 1];
        ++i;
    }
    if (const char* sources = std::getenv("NIRA_SOURCES"); sources != nullptr && *sources != '\0') {
        values["sources"] = sources;
    }
    nira::datatool::DataBuildPaths paths;
    const std::pair<const char*, std::string*> fields[] = {
        {"sources", &paths.sources}, {"wordnet", &paths.wordNet}, {"welcome", &paths.welcome},
        {"about", &paths.about},     {"data-dir", &paths.dataDir}, {"header", &paths.header},
        {"word-forms", &paths.wordForms}, {"verbs", &paths.verbs},
        {"colloquial", &paths.colloquial},
        {"vocabulary", &paths.vocabulary}, {"cldr", &paths.cldr},
        {"persian-vocabulary", &paths.persianVocabulary},
        {"review", &paths.review}, {"frequency", &paths.frequency},
        {"review-list", &paths.reviewList},
    };
    for (const auto& [name, field] : fields) {
        const auto it = values.find(name);
        if (it != values.end()) {
            *field = it->second;
            values.erase(it);
        }
    }
    if (!values.empty()) throw std::invalid_argument("unknown option --" + values.begin()->first);
    for (const auto& [name, field] : fields) {
        if (field->empty() && !IsOptional(name)) throw std::invalid_argument(std::string("missing --") + name);
    }
    return paths;
}

}  // namespace

int main(int argc, char** argv) {
    nira::datatool::DataBuildPaths paths;
    try {
        paths = ParseArguments(argc, argv);
    } catch (const std::invalid_argument& e) {
        std::cerr << "nira-build-data: " << e.what() << "\n" << kUsage;
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        nira::datatool::RunDataBuild(paths, std::cout);
    } catch (const std::exception& e) {
        std::cerr << "nira-build-data: " << e.what() << "\n";
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << "nira-build-data: done in " << took.count() << " s\n";
    return 0;
}
