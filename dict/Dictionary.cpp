#include "dict/Lookup.h"
#include "platform/DataFolder.h"

namespace nira {

void Dictionary::UseEdition(const DictionaryEdition& edition) {
    m_englishTable = edition.persian.buckets;
    m_persianTable = edition.english.buckets;
    m_scrambleKey = edition.scrambleKey;
    m_wordForms = edition.wordForms;
}

bool Dictionary::OpenFiles(const std::string& folder, const DictionaryEdition& edition) {
    return m_filePersian.Open(JoinPath(folder, edition.persian.name), edition.persian.indexBase) &&
           m_fileEnglish.Open(JoinPath(folder, edition.english.name), edition.english.indexBase);
}

}  // namespace nira
