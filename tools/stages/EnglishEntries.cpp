#include "tools/stages/EnglishEntries.h"

#include <utility>

#include "dict/Constants.h"
#include "present/Constants.h"
#include "tools/Senses.h"

namespace nira::datatool {
namespace {

constexpr std::size_t kPaneBytes = kMaxPaneTextBytes;

// The numbered Persian senses after the line naming the lemma, which is
// followed by a line break ("\r\n") before "1-".
std::string PersianMeaning(const EnglishMeaning& meaning, std::size_t* kept) {
    const std::size_t formOfBytes = meaning.formOf.empty() ? 0 : meaning.formOf.size() + 2;
    const SenseLimits limits{kPaneBytes - formOfBytes, kPaneBytes - formOfBytes};
    return meaning.formOf + NumberSenses(meaning.persianSenses, limits, kept);
}

PlainEntry EnglishEntry(const std::string& headword, const EnglishMeaning& meaning, BuildCounts& counts) {
    const bool translated = !meaning.persianSenses.empty();
    PlainEntry entry{headword, {}, {}};
    std::size_t keptPersian = 0;
    std::size_t keptEnglish = 0;
    entry.persian = translated ? PersianMeaning(meaning, &keptPersian) : meaning.hint;
    const std::size_t budget = kMaxEntryBytes - headword.size() - 2 - entry.persian.size();
    entry.english = NumberSenses(meaning.definitions, {budget, kPaneBytes}, &keptEnglish);
    if (keptPersian < meaning.persianSenses.size() || keptEnglish < meaning.definitions.size()) {
        ++counts.meaningsCut;
    }
    if (!entry.persian.empty()) ++(translated ? counts.withPersian : counts.withHintOnly);
    if (!entry.english.empty()) ++counts.withDefinition;
    return entry;
}

}  // namespace

std::vector<PlainEntry> EnglishEntries(const EnglishMeanings& meanings, BuildCounts& counts) {
    std::vector<PlainEntry> entries;
    for (const auto& [headword, meaning] : meanings) {
        PlainEntry entry = EnglishEntry(headword, meaning, counts);
        if (entry.persian.empty() && entry.english.empty()) {
            ++counts.emptyEnglishSkipped;
            continue;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace nira::datatool
