// Persian headwords as the window and `nira lookup` show them: kaf and yeh
// in their Persian letters, and each shown headword, fed back into the
// query field (browsing, copying it back), finds its own entry.
#include <gtest/gtest.h>

#include "RunNira.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "NiraEdition.h"
#include "dict/Lookup.h"
#include "text/Cp1256.h"
#include "text/PersianDisplay.h"

namespace nira {
namespace {

using nira::test::RunNira;

std::string DataDir() {
    const char* dir = std::getenv("NIRA_DATA_DIR");
    return dir != nullptr ? dir : NIRA_TEST_DATA_DIR;
}

std::string HeadwordOf(const unsigned char* entry) {
    const auto* text = reinterpret_cast<const char*>(entry);
    return std::string(text, strnlen(text, kHeadwordBufferSize - 1));
}

TEST(PersianDisplayRoundTrip, EveryShownPersianHeadwordFindsItsOwnEntry) {
    const DictionaryEdition& e = edition::kEdition;
    auto dict = std::make_unique<Dictionary>();
    dict->UseEdition(e);
    ASSERT_TRUE(dict->OpenFiles(DataDir(), e));
    const DictionaryFile& file = dict->m_fileEnglish;
    auto read = std::make_unique<LookupResult>();
    auto found = std::make_unique<LookupResult>();
    int withKafOrYeh = 0;
    int failures = 0;
    for (int32_t k = 1; k <= file.EntryCount() && failures < 20; ++k) {
        ReadEntry(file, k, read->entry);
        const std::string headword = HeadwordOf(read->entry);
        std::u16string shown(headword.size(), u'\0');
        Cp1256ToDisplay(reinterpret_cast<const unsigned char*>(headword.data()),
                        headword.size(), shown.data(), shown.size());
        if (shown.find_first_of(u"\u0643\u064A\u0649") != std::u16string::npos) {
            ADD_FAILURE() << "Arabic kaf or yeh shown in " << Utf16ToUtf8(shown);
            ++failures;
        }
        if (headword.find_first_of("\xDF\xEC\xED") != std::string::npos) ++withKafOrYeh;
        LookupState state;
        LookUpWord(shown.data(), shown.size(), state, *dict, *found);
        const bool same = found->outcome == LookupOutcome::Entry &&
                          found->file == DataFileId::English && state.m_current == k &&
                          HeadwordOf(found->entry) == headword;
        if (!same) {
            ADD_FAILURE() << "entry " << k << " shown as " << Utf16ToUtf8(shown)
                          << " finds entry " << state.m_current << " "
                          << Cp1256ToDisplayUtf8(found->entry,
                                                 HeadwordOf(found->entry).size());
            ++failures;
        }
    }
    // Most Persian words hold a kaf or a yeh: the round trip is no formality.
    EXPECT_GT(withKafOrYeh, file.EntryCount() / 4);
}

TEST(PersianDisplayRoundTrip, LookupPrintsPersianKafAndYeh) {
    // A Persian headword with kaf and yeh, and English words whose
    // meanings hold them.
    for (const char* query : {"کتاب", "book", "house", "small"}) {
        const std::string answer = RunNira(std::string("lookup ") + query);
        ASSERT_GT(answer.size(), 10u) << query;
        for (const char* arabic : {"\u0643", "\u064A", "\u0649"}) {
            EXPECT_EQ(answer.find(arabic), std::string::npos) << query << ":\n" << answer;
        }
    }
    const std::string kitab = RunNira("lookup کتاب");
    EXPECT_EQ(kitab.rfind("کتاب\n", 0), 0u) << kitab;
}

}  // namespace
}  // namespace nira
