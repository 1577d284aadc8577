#include "tools/InflectedForms.h"

#include <algorithm>
#include <sstream>

#include "tools/SourceFile.h"

namespace nira::datatool {

std::vector<std::pair<std::string, std::string>> ExceptionPairs(const std::vector<std::string>& listTexts) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const std::string& text : listTexts) {
        for (const std::string& line : SplitLines(text)) {
            std::istringstream in(line);
            std::vector<std::string> words;
            for (std::string word; in >> word;) {
                std::replace(word.begin(), word.end(), '_', ' ');
                words.push_back(word);
            }
            for (std::size_t i = 1; i < words.size(); ++i) rows.emplace_back(words[0], words[i]);
        }
    }
    return rows;
}

CEnglishFormTables::CEnglishFormTables(std::vector<std::pair<std::string, std::string>> rows)
    : m_rows(std::move(rows)) {
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_view.reserve(m_rows.size());
    for (const auto& [form, lemma] : m_rows) m_view.push_back({form.c_str(), lemma.c_str()});
    m_tables.englishExceptions = {m_view.data(), m_view.size()};
}

}  // namespace nira::datatool
