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
        << prefix << "  single words:                 " << c.persianSingleWords << "\n"
        << prefix << "  from our own vocabulary:      " << c.persianFromVocabulary << "\n"
        << prefix << "  from our Persian vocabulary:  " << c.persianFromOwnVocabulary << "\n";
    return out.str();
}

}  // namespace nira
