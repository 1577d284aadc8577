// Lookups per second from the query field's text to the formatted pane
// texts, over queries drawn from the real headwords and their prefixes;
// MD5 throughput over the built "persian" file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "NiraEdition.h"
#include "dict/Lookup.h"
#include "digest/Md5.h"
#include "platform/DataFolder.h"
#include "present/EntryText.h"
#include "text/Cp1256.h"

namespace {

std::string DataFolder() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    return dir != nullptr ? dir : nira::ExecutableDir();
}

std::unique_ptr<nira::Dictionary> OpenRealDictionary() {
    const nira::DictionaryEdition& e = nira::edition::kEdition;
    auto dict = std::make_unique<nira::Dictionary>();
    dict->UseEdition(e);
    if (!dict->OpenFiles(DataFolder(), e)) return nullptr;
    return dict;
}

// Headwords of both files, whole and cut to a random prefix, shuffled.
std::vector<std::u16string> DrawQueries(const nira::Dictionary& dict, std::size_t count) {
    std::mt19937 random(12345);
    std::vector<std::u16string> queries;
    auto entry = std::make_unique<unsigned char[]>(nira::kEntryBufferSize);
    auto& buffer = *reinterpret_cast<unsigned char(*)[nira::kEntryBufferSize]>(entry.get());
    const nira::DictionaryFile* files[] = {&dict.m_filePersian, &dict.m_fileEnglish};
    while (queries.size() < count) {
        const nira::DictionaryFile& file = *files[queries.size() % 2];
        std::uniform_int_distribution<int32_t> pick(1, file.EntryCount());
        nira::ReadEntry(file, pick(random), buffer);
        std::size_t length = std::strlen(reinterpret_cast<const char*>(buffer));
        if (length == 0) continue;
        if (random() % 2 == 0) length = 1 + random() % length;  // a prefix
        std::u16string query(length, u'\0');
        nira::Cp1256ToWide(buffer, length, query.data(), length);
        queries.push_back(query);
    }
    return queries;
}

void BM_LookupToPaneTexts(benchmark::State& state) {
    auto dict = OpenRealDictionary();
    if (!dict) {
        state.SkipWithError("data files not found (set NIRA_DATA_DIR)");
        return;
    }
    const std::vector<std::u16string> queries = DrawQueries(*dict, 10000);
    auto result = std::make_unique<nira::LookupResult>();
    auto view = std::make_unique<nira::EntryView>();
    nira::LookupState lookup;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::u16string& q = queries[i++ % queries.size()];
        nira::LookUpWord(q.data(), q.size(), lookup, *dict, *result);
        nira::DecodeEntry(result->entry, result->length, result->file, dict->m_scrambleKey, *view);
        benchmark::DoNotOptimize(view->mode);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupToPaneTexts);

void BM_Md5OfPersianFile(benchmark::State& state) {
    const std::string path = nira::JoinPath(DataFolder(), nira::edition::kEdition.persian.name);
    nira::DictionaryFile file;
    file.Open(path, nira::edition::kEdition.persian.indexBase);
    const int64_t fileSize = file.Size();
    int64_t bytes = 0;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(nira::CMd5::DigestOfFile(path));
        } catch (...) {
            state.SkipWithError("persian not found (set NIRA_DATA_DIR)");
            return;
        }
        bytes += fileSize;
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Md5OfPersianFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
