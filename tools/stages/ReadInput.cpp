#include "tools/stages/ReadInput.h"

#include <stdexcept>

#include "present/Constants.h"
#include "text/Cp1256.h"
#include "tools/Cldr.h"
#include "tools/CodePageText.h"
#include "tools/EditionHeader.h"
#include "tools/FrequencyList.h"
#include "tools/SourceFile.h"
#include "tools/Vocabulary.h"

namespace nira::datatool {
namespace {

constexpr std::size_t kMaxWelcomeBytes = kWelcomeUnits - 1;

const char* const kExceptionLists[] = {"noun.exc", "verb.exc", "adj.exc", "adv.exc"};

std::string ReadProgramText(const std::string& path, std::size_t maxBytes) {
    const ProgramText text = ProgramTextBytes(ReadWholeFile(path));
    if (!text.missing.empty()) {
        throw std::runtime_error(path + ": code page 1256 has no byte for \"" +
                                 Utf16ToUtf8(text.missing) + "\"");
    }
    if (text.bytes.empty() || text.bytes.size() > maxBytes) {
        throw std::runtime_error(path + ": " + std::to_string(text.bytes.size()) +
                                 " bytes in code page 1256, must be 1 to " + std::to_string(maxBytes));
    }
    return text.bytes;
}

Sources ReadAllSources(const DataBuildPaths& paths) {
    Sources sources = ReadSources(paths.sources);
    if (!paths.vocabulary.empty()) sources.vocabulary = ReadVocabularyFolder(paths.vocabulary);
    if (!paths.persianVocabulary.empty()) {
        sources.persianVocabulary = ReadPersianVocabularyFolder(paths.persianVocabulary);
    }
    if (!paths.cldr.empty()) sources.names = ReadCldrNames(paths.cldr);
    if (!paths.review.empty()) sources.review = CEditorReview(ReadReviewFolder(paths.review));
    MendGlosses(sources.wiktionary, sources.review);
    if (!paths.frequency.empty()) sources.frequency = ParseFrequencyList(ReadWholeFile(paths.frequency));
    return sources;
}

WordFormLists ReadWordFormLists(const DataBuildPaths& paths) {
    WordFormLists lists;
    for (const char* name : kExceptionLists) {
        lists.exceptionLists.push_back(ReadWholeFile(JoinPath(paths.wordNet, name)));
    }
    lists.verbs = ReadWholeFile(paths.verbs);
    lists.colloquial = ReadWholeFile(paths.colloquial);
    return lists;
}

}  // namespace

BuildInput ReadBuildInput(const DataBuildPaths& paths) {
    BuildInput input;
    input.sources = ReadAllSources(paths);
    input.welcome = ReadProgramText(paths.welcome, kMaxWelcomeBytes);
    input.about = ReadProgramText(paths.about, kMaxAboutBytes);
    input.wordNet.Load(paths.wordNet);
    input.wordForms = ReadWordFormLists(paths);
    return input;
}

}  // namespace nira::datatool
