// An environment variable set (or unset) for a scope, then put back.
#pragma once

#include <cstdlib>
#include <string>

namespace nira::test {

class ScopedVariable {
public:
    // value nullptr: unset for the scope.
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (m_had) m_old = old;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (m_had) {
            setenv(m_name.c_str(), m_old.c_str(), 1);
        } else {
            unsetenv(m_name.c_str());
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string m_name;
    bool m_had = false;
    std::string m_old;
};

}  // namespace nira::test
