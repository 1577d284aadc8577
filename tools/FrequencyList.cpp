#include "tools/FrequencyList.h"

#include <cctype>
#include <stdexcept>

namespace nira::datatool {
namespace {

// A reader for exactly the shape of the list: an array of flat objects
// whose values are strings or numbers.
class CListReader {
public:
    explicit CListReader(const std::string& text) : m_text(text) {}

    std::vector<std::string> Words() {
        std::vector<std::string> words;
        Expect('[');
        if (Peek() == ']') return words;
        do {
            words.push_back(WordOfObject());
        } while (Comma());
        Expect(']');
        if (Peek() != '\0') Fail("text after the array");
        return words;
    }

private:
    std::string WordOfObject() {
        std::string word;
        bool found = false;
        Expect('{');
        do {
            const std::string key = String();
            Expect(':');
            if (Peek() == '"') {
                std::string value = String();
                if (key == "word") word = std::move(value), found = true;
            } else {
                Number();
            }
        } while (Comma());
        Expect('}');
        if (!found) Fail("an entry without a word");
        return word;
    }

    std::string String() {
        Expect('"');
        std::string value;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            if (m_text[m_at] == '\\') Fail("escapes are not expected in the list");
            value.push_back(m_text[m_at++]);
        }
        if (m_at == m_text.size()) Fail("an unterminated string");
        ++m_at;
        return value;
    }

    void Number() {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && (std::isdigit(static_cast<unsigned char>(m_text[m_at])) ||
                                        m_text[m_at] == '.' || m_text[m_at] == '-')) {
            ++m_at;
        }
        if (m_at == start) Fail("a value that is neither a string nor a number");
    }

    bool Comma() {
        if (Peek() != ',') return false;
        ++m_at;
        return true;
    }

    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected '") + c + "'");
        ++m_at;
    }

    char Peek() {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at]))) ++m_at;
        return m_at < m_text.size() ? m_text[m_at] : '\0';
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw std::runtime_error("frequency list: " + why + " at byte " + std::to_string(m_at));
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

}  // namespace

std::vector<std::string> ParseFrequencyList(const std::string& json) { return CListReader(json).Words(); }

}  // namespace nira::datatool
