// The lookup of a word with and without its word forms: a headword (no
// form tried), a form found (books -> book, می‌روم -> رفتن), and a miss
// that tries every candidate of its list before the nearest entry stays.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "NiraEdition.h"
#include "dict/Lookup.h"
#include "dict/WordForms.h"
#include "platform/DataFolder.h"
#include "text/Cp1256.h"
#include "text/PersianSpelling.h"

namespace {

std::unique_ptr<nira::Dictionary> OpenDictionary() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    const nira::DictionaryEdition& e = nira::edition::kEdition;
    auto dict = std::make_unique<nira::Dictionary>();
    dict->UseEdition(e);
    if (!dict->OpenFiles(dir != nullptr ? dir : nira::ExecutableDir(), e)) return nullptr;
    return dict;
}

void BM_LookUpWordForm(benchmark::State& state, const char* utf8, bool expectForm) {
    auto dict = OpenDictionary();
    if (!dict) {
        state.SkipWithError("data files not found (set NIRA_DATA_DIR)");
        return;
    }
    const std::u16string query = nira::Utf8ToUtf16(utf8);
    const std::string key = nira::HeadwordSpelling(query);
    const bool english = static_cast<unsigned char>(key[0]) < 0x80;
    auto result = std::make_unique<nira::LookupResult>();
    nira::LookupState lookup;
    nira::LookUpWord(query.data(), query.size(), lookup, *dict, *result);
    if (result->wordForm != expectForm) {
        state.SkipWithError("the word no longer finds what the benchmark measures");
        return;
    }
    for (auto _ : state) {
        nira::LookUpWord(query.data(), query.size(), lookup, *dict, *result);
        benchmark::DoNotOptimize(result->length);
    }
    state.counters["candidates"] = static_cast<double>(
        nira::WordFormCandidates(key, english, *dict->m_wordForms).size());
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_LookUpWordForm, headword_book, "book", false);
BENCHMARK_CAPTURE(BM_LookUpWordForm, form_books, "books", true);
BENCHMARK_CAPTURE(BM_LookUpWordForm, form_children, "children", true);
BENCHMARK_CAPTURE(BM_LookUpWordForm, form_miravam, "می‌روم", true);
BENCHMARK_CAPTURE(BM_LookUpWordForm, miss_english, "xyzzieses's", false);
BENCHMARK_CAPTURE(BM_LookUpWordForm, miss_persian, "نمی‌بببخواهیدتانشانهایی", false);
// Among the most candidates a query of our word lists and their
// inflections gives.
BENCHMARK_CAPTURE(BM_LookUpWordForm, miss_persian_most, "بیانجام نمی‌دهدند", false);

// The candidates alone, without searching them.
void BM_WordFormCandidates(benchmark::State& state, const char* utf8) {
    auto dict = OpenDictionary();
    if (!dict) {
        state.SkipWithError("data files not found (set NIRA_DATA_DIR)");
        return;
    }
    const std::string key = nira::HeadwordSpelling(nira::Utf8ToUtf16(utf8));
    const bool english = static_cast<unsigned char>(key[0]) < 0x80;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nira::WordFormCandidates(key, english, *dict->m_wordForms).size());
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_WordFormCandidates, persian_miss, "نمی‌بببخواهیدتانشانهایی");
BENCHMARK_CAPTURE(BM_WordFormCandidates, english_miss, "xyzzieses's");

}  // namespace
