// The data files the build made, with fuzzed queries and prev/next steps,
// each checked against a model of the file read from its bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "NiraEdition.h"
#include "platform/DataFolder.h"
#include "Browsing.h"

namespace nira::fuzz {
namespace {

std::string DataDir() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    return dir != nullptr ? dir : NIRA_FUZZ_DATA_DIR;
}

FileModel Load(const DataFileEdition& edition) {
    std::ifstream in(JoinPath(DataDir(), edition.name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return {bytes.str(), edition.indexBase};
}

struct RealData {
    Dictionary dict;
    FileModel persian = Load(edition::kEdition.persian);
    FileModel english = Load(edition::kEdition.english);
    RealData() {
        dict.UseEdition(edition::kEdition);
        if (!dict.OpenFiles(DataDir(), edition::kEdition)) Fail("the data files do not open");
    }
};

}  // namespace
}  // namespace nira::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nira;
    using namespace nira::fuzz;
    static RealData* real = new RealData();  // kept for the whole run
    FuzzedDataProvider in(data, size);
    const std::string steps = in.ConsumeRandomLengthString(16);
    const bool utf16 = in.ConsumeBool();
    const std::string query = in.ConsumeRemainingBytesAsString();
    // The query as typed: UTF-8 text, or any UTF-16 units.
    std::u16string text;
    if (utf16) {
        for (std::size_t i = 0; i + 1 < query.size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(query[i]) |
                                                 static_cast<unsigned char>(query[i + 1]) << 8));
    } else {
        text = Utf8ToUtf16(query);
    }
    LookupState state;
    auto result = std::make_unique<LookupResult>();
    LookUp(text, state, real->dict, real->persian, real->english, *result);
    for (char step : steps) Step(step & 1 ? 1 : -1, state, real->dict, real->persian, real->english, *result);
    return 0;
}
