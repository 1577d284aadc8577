#include "dict/WordForms.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

#include "dict/Constants.h"
#include "dict/Lookup.h"
#include "text/ArabicForms.h"
#include "text/Cp1256.h"
#include "text/PersianSpelling.h"

namespace nira {
namespace {

constexpr char kZwnj = '\x9D';
constexpr char kYehJoined = '\xED';

// ---- the list being built ----------------------------------------------------

// Candidates are kept in order, without repeats, up to the bound. When a
// test is given, each is tested as it is added and the list is full once
// one passes: the rules after it are not worked out for nothing. A
// candidate is put together in a buffer kept from one to the next, so
// that only the ones kept take memory of their own.
class CandidateList {
public:
    using Test = bool (*)(const std::string& candidate, void* context);

    CandidateList(const std::string& query, bool persian, Test test = nullptr,
                  void* context = nullptr)
        : m_query(query), m_persian(persian), m_test(test), m_context(context) {
        m_items.reserve(kReservedItems);
    }

    bool Full() const { return m_passed || m_items.size() >= kMaxWordFormCandidates; }

    // Adds head followed by tail.
    void Add(std::string_view head, std::string_view tail = {}) {
        if (Full()) return;
        m_next.assign(head.data(), head.size());
        m_next.append(tail.data(), tail.size());
        if (m_persian) RespellYeh(m_next.data(), m_next.size());
        if (m_next.empty() || m_next.size() > static_cast<std::size_t>(kMaxHeadwordBytes) ||
            m_next == m_query || std::find(m_items.begin(), m_items.end(), m_next) != m_items.end()) {
            return;
        }
        m_items.push_back(m_next);
        m_passed = m_test != nullptr && m_test(m_items.back(), m_context);
    }

    std::vector<std::string> Take() { return std::move(m_items); }

private:
    static constexpr std::size_t kReservedItems = 32;

    const std::string& m_query;
    bool m_persian;
    Test m_test;
    void* m_context;
    bool m_passed = false;
    std::string m_next;
    std::vector<std::string> m_items;
};

// Affixes are a few bytes: compared in place, as a library call for each
// would cost more than the comparison.
bool SameBytes(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           SameBytes(text.data() + text.size() - end.size(), end.data(), end.size());
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && SameBytes(text.data(), start.data(), start.size());
}

// Text without its last `count` bytes (the caller has checked the end).
std::string_view CutEnd(std::string_view text, std::size_t count) {
    return text.substr(0, text.size() - count);
}

std::string Without(std::string text, char gone) {
    text.erase(std::remove(text.begin(), text.end(), gone), text.end());
    return text;
}

std::string Replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

bool IsGap(char c) { return c == kZwnj || c == ' '; }

std::string_view TrimGaps(std::string_view text) {
    while (!text.empty() && IsGap(text.back())) text.remove_suffix(1);
    while (!text.empty() && IsGap(text.front())) text.remove_prefix(1);
    return text;
}

// The rows of a table whose form is key, as [first, last).
std::pair<const FormLemma*, const FormLemma*> FindRows(const FormTable& table,
                                                       std::string_view key) {
    if (table.rows == nullptr) return {nullptr, nullptr};
    const FormLemma* end = table.rows + table.count;
    const FormLemma* first = std::lower_bound(
        table.rows, end, key,
        [](const FormLemma& r, std::string_view k) { return std::string_view(r.form) < k; });
    const FormLemma* last = first;
    while (last != end && key == last->form) ++last;
    return {first, last};
}

// Adds the lemma of every row of the table whose form is key.
void AddLemmasOf(CandidateList& out, const FormTable& table, std::string_view key) {
    const auto [first, last] = FindRows(table, key);
    for (const FormLemma* row = first; row != last; ++row) out.Add(row->lemma);
}

// The same for key with its yeh as a headword writes it.
void AddLemmasOfRespelled(CandidateList& out, const FormTable& table, std::string_view key) {
    char onStack[kHeadwordBufferSize];
    std::string onHeap;  // only for a key longer than a headword
    char* respelled = onStack;
    if (key.size() > sizeof onStack) {
        onHeap.assign(key);
        respelled = onHeap.data();
    } else {
        std::memcpy(onStack, key.data(), key.size());
    }
    RespellYeh(respelled, key.size());
    AddLemmasOf(out, table, std::string_view(respelled, key.size()));
}

// ---- English -----------------------------------------------------------------

// WordNet's detachment rules (nouns, verbs, adjectives, in its order) and
// two of its own beside them: -ied -> -y, and a doubled final consonant
// undone after -ed, -ing, -er, -est (stopped, running, bigger).
struct Detachment {
    const char* suffix;
    const char* ending;
    bool undoDoubling;
};

constexpr Detachment kEnglishRules[] = {
    {"s", "", false},    {"ses", "s", false},  {"xes", "x", false}, {"zes", "z", false},
    {"ches", "ch", false}, {"shes", "sh", false}, {"men", "man", false}, {"ies", "y", false},
    {"es", "e", false},  {"es", "", false},    {"ed", "e", false},  {"ied", "y", false},
    {"ed", "", true},    {"ing", "e", false},  {"ing", "", true},   {"er", "", true},
    {"est", "", true},   {"er", "e", false},   {"est", "e", false},
};

// The rules that undo a doubling add no ending, so the doubling is looked
// for at the end of the stem itself.
constexpr bool DoublingRulesAddNoEnding() {
    for (const Detachment& rule : kEnglishRules) {
        if (rule.undoDoubling && rule.ending[0] != 0) return false;
    }
    return true;
}
static_assert(DoublingRulesAddNoEnding(), "a doubling rule with an ending");

bool IsVowel(char c) { return std::strchr("aeiou", c) != nullptr; }

bool EndsDoubled(std::string_view word) {
    const std::size_t n = word.size();
    return n >= 3 && word[n - 1] == word[n - 2] && word[n - 1] >= 'a' && word[n - 1] <= 'z' &&
           !IsVowel(word[n - 1]);
}

void AddEnglish(CandidateList& out, std::string_view query, const WordFormTables& tables) {
    std::string_view word = query;
    if (EndsWith(word, "'s") && word.size() > 2) {
        word = CutEnd(word, 2);
        out.Add(word);
    } else if (EndsWith(word, "s'") && word.size() > 2) {
        word = CutEnd(word, 1);
        out.Add(word);
    }
    AddLemmasOf(out, tables.englishExceptions, word);
    for (const Detachment& rule : kEnglishRules) {
        const std::string_view suffix = rule.suffix;
        const std::size_t cut = suffix.size();
        if (word.size() <= cut || !EndsWith(word, suffix)) continue;
        const std::string_view stem = CutEnd(word, cut);
        out.Add(stem, rule.ending);
        if (rule.undoDoubling && EndsDoubled(stem)) out.Add(CutEnd(stem, 1));
    }
}

// ---- Persian -----------------------------------------------------------------

std::string Fa(std::u16string_view text) { return JoinedYeh(HeadwordSpelling(text)); }

struct NounSuffix {
    std::string suffix;
    std::string restore;  // گان of پرندگان stands for the ه of پرنده
};

// The affixes, in the joined-yeh spelling the rules work on. Longer ones
// come first where one ends another; ان before یان and گان, since a word
// in ی (ایرانی) keeps it before ان; ام and اش (خانه‌ام) before م and ش.
struct PersianAffixes {
    std::vector<std::string> continuousPrefixes{Fa(u"نمی"), Fa(u"می")};
    std::vector<std::string> shortPrefixes{Fa(u"ب"), Fa(u"ن")};
    std::vector<std::string> personEndings{Fa(u"ند"), Fa(u"ید"), Fa(u"یم"), Fa(u"م"),
                                           Fa(u"ی"), Fa(u"د"), std::string()};
    std::vector<std::string> perfectEndings{Fa(u"اند"), Fa(u"اید"), Fa(u"ایم"), Fa(u"است"),
                                            Fa(u"ام"), Fa(u"ای")};
    std::vector<std::string> spacedSuffixes{Fa(u"هایی"), Fa(u"های"), Fa(u"ها"), Fa(u"ترین"),
                                            Fa(u"تر")};
    std::vector<NounSuffix> nounSuffixes{
        {Fa(u"هایی"), ""}, {Fa(u"های"), ""}, {Fa(u"ها"), ""},  {Fa(u"ترین"), ""},
        {Fa(u"تر"), ""},   {Fa(u"ان"), ""},  {Fa(u"یان"), ""}, {Fa(u"گان"), Fa(u"ه")},
        {Fa(u"ات"), ""},   {Fa(u"ای"), ""},  {Fa(u"ام"), ""},  {Fa(u"اش"), ""},
        {Fa(u"مان"), ""}, {Fa(u"تان"), ""},
        {Fa(u"شان"), ""},  {Fa(u"ی"), ""},   {Fa(u"م"), ""},   {Fa(u"ت"), ""},
        {Fa(u"ش"), ""}};
    std::string infinitiveEnd = Fa(u"ن");
    std::string regularPresentEnd = Fa(u"یدن");   // خریدن: present stem خر
    std::string causativeEnd = Fa(u"دن");         // خواندن: present stem خوان
    std::string causativeStemEnd = Fa(u"ان");
    std::string participleEnd = Fa(u"ه");          // رفته
    std::string pastStemEnds[2] = {Fa(u"د"), Fa(u"ت")};
};

const PersianAffixes& Affixes() {
    static const PersianAffixes affixes;
    return affixes;
}

bool IsPastStem(std::string_view stem) {
    const PersianAffixes& a = Affixes();
    return stem.size() > 1 && (EndsWith(stem, a.pastStemEnds[0]) || EndsWith(stem, a.pastStemEnds[1]));
}

// Spacing: without ZWNJ, ZWNJ and space swapped, run together, and a ZWNJ
// put where Persian writes one: after می and نمی, before ها and تر.
void AddSpacing(CandidateList& out, const std::string& word, const std::string& bare) {
    const PersianAffixes& a = Affixes();
    out.Add(Without(word, kZwnj));
    out.Add(Replaced(word, kZwnj, ' '));
    out.Add(Replaced(word, ' ', kZwnj));
    out.Add(bare);
    for (const std::string& prefix : a.continuousPrefixes) {
        if (bare.size() > prefix.size() && StartsWith(bare, prefix)) {
            out.Add(prefix + kZwnj, std::string_view(bare).substr(prefix.size()));
            break;
        }
    }
    for (const std::string& suffix : a.spacedSuffixes) {
        if (bare.size() > suffix.size() && EndsWith(bare, suffix)) {
            out.Add(std::string(CutEnd(bare, suffix.size())) + kZwnj, suffix);
            break;
        }
    }
}

// A present or past stem after a prefix: the table of stems no rule
// derives, then the rules: past stem + ن, present stem + یدن, present
// stem in ان + دن.
void AddStem(CandidateList& out, std::string_view stem, const WordFormTables& tables) {
    const PersianAffixes& a = Affixes();
    AddLemmasOfRespelled(out, tables.verbStems, stem);
    if (IsPastStem(stem)) out.Add(stem, a.infinitiveEnd);
    out.Add(stem, a.regularPresentEnd);
    if (EndsWith(stem, a.causativeStemEnd)) out.Add(stem, a.causativeEnd);
}

// A stem in ا, آ or و may carry a glide ی before the ending (می‌آیم,
// می‌گوید): the stem is tried with it and without it.
bool HasGlide(std::string_view stem) {
    const std::size_t n = stem.size();
    return n >= 2 && stem[n - 1] == kYehJoined &&
           (stem[n - 2] == '\xC7' || stem[n - 2] == '\xC2' || stem[n - 2] == '\xE6');
}

void AddStemForms(CandidateList& out, std::string_view rest, const WordFormTables& tables) {
    for (const std::string& ending : Affixes().personEndings) {
        if (rest.size() <= ending.size() || !EndsWith(rest, ending)) continue;
        const std::string_view stem = CutEnd(rest, ending.size());
        AddStem(out, stem, tables);
        if (HasGlide(stem)) AddStem(out, CutEnd(stem, 1), tables);
    }
}

// After ب and ن a stem in ا or آ is written with ی, and آ loses its
// madda: بیایم (آ), نیامد (آمد), بیفتد (افت).
std::vector<std::string> UnglidedStarts(std::string_view rest) {
    std::vector<std::string> starts{std::string(rest)};
    if (rest.size() > 2 && rest[0] == kYehJoined) {
        if (rest[1] == '\xC7') starts.push_back("\xC2" + std::string(rest.substr(2)));
        starts.push_back("\xC7" + std::string(rest.substr(1)));
    }
    return starts;
}

// Past forms without a prefix: کردم, گفتند, رفته, رفته‌ام.
void AddPastForms(CandidateList& out, std::string_view word) {
    const PersianAffixes& a = Affixes();
    for (const std::string& ending : a.personEndings) {
        if (word.size() <= ending.size() || !EndsWith(word, ending)) continue;
        const std::string_view stem = CutEnd(word, ending.size());
        if (IsPastStem(stem)) out.Add(stem, a.infinitiveEnd);
    }
    std::string_view participle = word;
    for (const std::string& ending : a.perfectEndings) {
        if (participle.size() > ending.size() && EndsWith(participle, ending)) {
            participle = TrimGaps(CutEnd(participle, ending.size()));
            break;
        }
    }
    if (EndsWith(participle, a.participleEnd)) {
        const std::string_view stem = CutEnd(participle, a.participleEnd.size());
        if (IsPastStem(stem)) out.Add(stem, a.infinitiveEnd);
    }
}

void AddVerbForms(CandidateList& out, std::string_view word, const WordFormTables& tables) {
    const PersianAffixes& a = Affixes();
    for (const std::string& prefix : a.continuousPrefixes) {
        if (word.size() > prefix.size() && StartsWith(word, prefix)) {
            AddStemForms(out, TrimGaps(word.substr(prefix.size())), tables);
            break;
        }
    }
    AddPastForms(out, word);
    for (const std::string& prefix : a.shortPrefixes) {
        if (word.size() < prefix.size() + 2 || !StartsWith(word, prefix)) continue;
        for (const std::string& rest : UnglidedStarts(TrimGaps(word.substr(prefix.size())))) {
            AddStemForms(out, rest, tables);
            AddPastForms(out, rest);  // the negative past: نکردم
        }
    }
}

// Plural, comparative, indefinite and pronoun endings, two deep
// (کتاب‌هایم: م, then ها). The stems are pieces of the word itself.
void AddNounForms(CandidateList& out, std::string_view word) {
    const PersianAffixes& a = Affixes();
    std::vector<std::string_view> stems;
    auto strip = [&](std::string_view from, bool keep) {
        for (const NounSuffix& s : a.nounSuffixes) {
            if (from.size() <= s.suffix.size() || !EndsWith(from, s.suffix)) continue;
            const std::string_view stem = TrimGaps(CutEnd(from, s.suffix.size()));
            if (stem.empty()) continue;
            out.Add(stem, s.restore);
            if (keep) stems.push_back(stem);
        }
    };
    strip(word, true);
    for (std::size_t i = 0, n = stems.size(); i < n; ++i) strip(stems[i], false);
}

// Hamza written with the letter that carries it in the other spelling:
// مساله → مسئله, مسوول → مسئول. One medial alef or waw at a time.
void AddHamzaSeats(CandidateList& out, const std::string& word) {
    constexpr char kYehHamza = '\xC6';
    for (std::size_t i = 1; i + 1 < word.size() && !out.Full(); ++i) {
        if (word[i] != '\xC7' && word[i] != '\xE6') continue;
        std::string seated = word;
        seated[i] = kYehHamza;
        out.Add(seated);
    }
}

void AddPersian(CandidateList& out, const std::string& query, const WordFormTables& tables) {
    const std::string word = JoinedYeh(query);
    const std::string bare = Without(Without(word, kZwnj), ' ');
    const std::string linked = Replaced(word, ' ', kZwnj);
    AddSpacing(out, word, bare);
    const std::string folded = FoldedSpelling(query);
    out.Add(folded);
    AddLemmasOf(out, tables.spellings, folded);
    AddHamzaSeats(out, folded);
    AddLemmasOfRespelled(out, tables.colloquial, bare);
    for (const std::string* base : {&linked, &bare}) {
        if (!out.Full()) AddVerbForms(out, *base, tables);
    }
    for (const std::string* base : {&linked, &bare}) {
        if (!out.Full()) AddNounForms(out, *base);
    }
}

void AddCandidates(CandidateList& out, const std::string& query, bool english,
                   const WordFormTables& tables) {
    if (english) {
        AddEnglish(out, query, tables);
    } else {
        AddPersian(out, query, tables);
    }
}

}  // namespace

std::vector<const FormLemma*> RowsOf(const FormTable& table, const std::string& key) {
    std::vector<const FormLemma*> rows;
    const auto [first, last] = FindRows(table, key);
    for (const FormLemma* row = first; row != last; ++row) rows.push_back(row);
    return rows;
}

std::vector<std::string> WordFormCandidates(const std::string& query, bool english,
                                            const WordFormTables& tables) {
    CandidateList out(query, !english);
    AddCandidates(out, query, english, tables);
    return out.Take();
}

namespace {

// What a candidate is tested in: the file of the query, and where the
// first headword found is put.
struct FormSearch {
    const Dictionary* dict;
    DataFileId fileId;
    bool passed;
    LookupState found;
};

bool IsHeadwordOfFile(const std::string& candidate, void* context) {
    FormSearch& search = *static_cast<FormSearch*>(context);
    const auto* key = reinterpret_cast<const unsigned char*>(candidate.c_str());
    if (FileForFirstByte(key[0]) != search.fileId) return false;
    LookupState probe;
    ChooseLetterBucket(key[0], probe, *search.dict);
    if (SearchEntry(key, search.dict->File(search.fileId), probe.m_first, probe.m_last,
                    probe.m_current) != 0) {
        return false;
    }
    search.found = probe;
    search.passed = true;
    return true;
}

}  // namespace

bool FindWordForm(const unsigned char* query, DataFileId fileId, LookupState& state,
                  const Dictionary& dict) {
    static const WordFormTables kNoTables;
    const WordFormTables& tables = dict.m_wordForms != nullptr ? *dict.m_wordForms : kNoTables;
    const std::string text(reinterpret_cast<const char*>(query));
    const bool english = fileId == DataFileId::Persian;
    FormSearch search{&dict, fileId, false, LookupState{}};
    CandidateList out(text, !english, IsHeadwordOfFile, &search);
    AddCandidates(out, text, english, tables);
    if (!search.passed) return false;
    state.m_first = search.found.m_first;
    state.m_last = search.found.m_last;
    state.m_current = search.found.m_current;
    return true;
}

}  // namespace nira
