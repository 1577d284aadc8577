#include "present/ContentReport.h"

#include <sstream>

namespace nira {

std::string ContentReport(const EditionContent& c, const std::string& prefix) {
    const int32_t english = c.englishTranslated + c.englishHintOnly + c.englishNeither;
    std::ostringstream out;
    out << prefix << "English headwords: " << english << "\n"
        << prefix << "  with a Persian translation:   " << c.englishTranslated << "\n"
        << prefix << "  with only a category hint:    " << c.englishHintOnly << "\n"
        << prefix << "  with neither:                 " << c.englishNeither << "\n"
        << prefix << "Persian headwords: " << c.persianHeadwords << "\n"
        << prefix << "  from our own vocabulary:      " << c.persianFromVocabulary << "\n";
    return out.str();
}

}  // namespace nira
