// Both data files made of the input, with fuzz-chosen IndexBases and letter
// tables: a lookup, then prev/next steps each followed by a lookup of the
// headword stepped to, then direct reads and searches at extreme entry
// numbers. Every read is checked against the file model.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "dict/Browse.h"
#include "dict/Lookup.h"
#include "text/Cp1256.h"
#include "Browsing.h"
#include "FileModel.h"

namespace nira::fuzz {
namespace {

int32_t PickNumber(FuzzedDataProvider& in, int32_t low, int32_t high) {
    static const int32_t kExtremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) return in.PickValueInArray(kExtremes);
    return in.ConsumeIntegralInRange<int32_t>(low, high);
}

std::vector<LetterBucketRow> PickRows(FuzzedDataProvider& in) {
    std::vector<LetterBucketRow> rows;
    const int count = in.ConsumeIntegralInRange<int>(0, 8);
    int32_t n = 0;
    for (int i = 0; i < count; ++i) {
        n = in.ConsumeBool() && n < INT32_MAX - 40 ? n + in.ConsumeIntegralInRange<int32_t>(0, 40)
                                                   : PickNumber(in, -4, 400);
        rows.push_back({in.ConsumeIntegral<uint8_t>(), n});
    }
    rows.push_back({kEndRowFirstByte, PickNumber(in, -4, 400)});
    return rows;
}

FileModel PickFile(FuzzedDataProvider& in) {
    FileModel model;
    model.indexBase = PickNumber(in, -8, 2048);
    model.bytes = in.ConsumeRandomLengthString(4096);
    return model;
}

}  // namespace
}  // namespace nira::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nira;
    using namespace nira::fuzz;
    FuzzedDataProvider in(data, size);
    const std::vector<LetterBucketRow> englishRows = PickRows(in);
    const std::vector<LetterBucketRow> persianRows = PickRows(in);
    const FileModel persian = PickFile(in);
    const FileModel english = PickFile(in);
    const std::string query = in.ConsumeRandomLengthString(160);
    const std::string steps = in.ConsumeRandomLengthString(24);
    const std::string key = in.ConsumeRandomLengthString(60);
    const int32_t first = PickNumber(in, -4, 600);
    const int32_t last = PickNumber(in, -4, 600);

    MemoryFile persianFile(persian.bytes);
    MemoryFile englishFile(english.bytes);
    auto dict = std::make_unique<Dictionary>();
    if (!dict->m_filePersian.Open(persianFile.Path(), persian.indexBase) ||
        !dict->m_fileEnglish.Open(englishFile.Path(), english.indexBase))
        Fail("open");
    dict->m_englishTable = {englishRows.data(), englishRows.size()};
    dict->m_persianTable = {persianRows.data(), persianRows.size()};
    Check(dict->m_filePersian.EntryCount() == persian.Count(), "EntryCount");
    Check(dict->m_fileEnglish.EntryCount() == english.Count(), "EntryCount");

    // The query: pairs of bytes as UTF-16 units.
    std::u16string text;
    for (std::size_t i = 0; i + 1 < query.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(query[i]) |
                                             static_cast<unsigned char>(query[i + 1]) << 8));
    LookupState state;
    auto result = std::make_unique<LookupResult>();
    LookUp(text, state, *dict, persian, english, *result);
    for (char step : steps) Step(step & 1 ? 1 : -1, state, *dict, persian, english, *result);

    // Direct calls, the key searched in the range given and in its bucket.
    const unsigned char* keyBytes = reinterpret_cast<const unsigned char*>(key.c_str());
    for (const DataFileId id : {DataFileId::Persian, DataFileId::English}) {
        const DictionaryFile& file = dict->File(id);
        const FileModel& model = ModelOf(id, persian, english);
        const int32_t count = model.Count();
        for (const int32_t k : {INT32_MIN, -1, 0, 1, 2, count - 1, count, count + 1, INT32_MAX, first, last})
            CheckReadEntry(file, model, k);
        LookupState bucket;
        ChooseLetterBucket(keyBytes[0], bucket, *dict);
        for (const auto& [from, to] : {std::pair{first, last}, std::pair{bucket.m_first, bucket.m_last}}) {
            int32_t current = 0;
            int32_t expected = 0;
            const int r = SearchEntry(keyBytes, file, from, to, current);
            Check(r == model.Search(keyBytes, from, to, expected), "SearchEntry result");
            Check(current == expected, "SearchEntry m_current");
        }
        unsigned char headword[kHeadwordBufferSize];
        const int stored = ReadHeadword(headword, file, 0);
        const std::string expected = HeadwordOf(model.bytes);
        Check(std::strcmp(reinterpret_cast<const char*>(headword), expected.c_str()) == 0, "ReadHeadword");
        Check(stored >= 1 && stored <= kHeadwordBufferSize, "ReadHeadword count");
    }
    return 0;
}
