#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "NiraEdition.h"
#include "app/Resource.h"
#include "dict/Lookup.h"
#include "digest/Md5.h"
#include "platform/Cp1256.h"
#include "platform/DataFolder.h"
#include "platform/LowerCase.h"
#include "platform/FileException.h"
#include "present/ContentReport.h"
#include "present/EntryText.h"

namespace nira {

namespace {

const char* const kUsage =
    "Usage: nira                 open the dictionary window\n"
    "       nira lookup WORD...  look words up as the window does\n"
    "       nira lookup -        one query per line from standard input\n"
    "       nira info            the data files, their digest check and what they hold\n"
    "       nira --help | --version\n"
    "\n"
    "The data files \"persian\" and \"english\" are taken from $NIRA_DATA_DIR,\n"
    "else the current folder if both are there, else the program's folder,\n"
    "else " NIRA_INSTALL_DATADIR ".\n";

struct FileCheck {
    std::string path;
    std::string digest;   // empty when the file could not be read
    std::string error;    // why it could not be read
    bool passed = false;
};

FileCheck CheckFile(const std::string& folder, const DataFileEdition& edition) {
    FileCheck check;
    check.path = JoinPath(folder, edition.name);
    try {
        check.digest = CMd5::DigestOfFile(check.path);
        check.passed = check.digest == edition.digest;
    } catch (const CFileException& e) {
        check.error = e.Message();
    }
    return check;
}

// Prints why a file is unusable; true when it is usable.
bool ReportCheck(const FileCheck& check) {
    if (!check.error.empty()) {
        std::cerr << "nira: " << check.error << "\n";
        return false;
    }
    if (!check.passed) {
        std::cerr << "nira: " << check.path
                  << " is not the data file this program was built for (digest "
                  << check.digest << ").\n";
        return false;
    }
    return true;
}

// Opens both files in the order the window checks them: "english" first.
bool OpenDictionary(Dictionary& dict) {
    const DictionaryEdition& edition = edition::kEdition;
    const std::string folder = FindDataFolder(NIRA_INSTALL_DATADIR);
    if (!ReportCheck(CheckFile(folder, edition.english))) return false;
    if (!ReportCheck(CheckFile(folder, edition.persian))) return false;
    dict.UseEdition(edition);
    if (!dict.OpenFiles(folder, edition)) {
        std::cerr << "nira: the data files in " << folder << " cannot be opened.\n";
        return false;
    }
    return true;
}

// A pane's text as printed: each "\r\n" line break of the pane a new line.
void PrintPane(const char* tag, const unsigned char* text) {
    std::string utf8 = Cp1256ToUtf8(text, std::strlen(reinterpret_cast<const char*>(text)));
    std::string lines;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        lines.push_back(utf8[i]);
    }
    std::cout << tag << "\n" << lines << "\n";
}

// The query field's lower-case style, as the window applies it.
std::u16string AsQueryField(const std::string& queryUtf8) {
    return LowerCase(Utf8ToUtf16(queryUtf8));
}

// Looks one query up as the query field would and prints the answer.
void AnswerQuery(const std::string& queryUtf8, LookupState& state,
                 const Dictionary& dict) {
    const std::u16string query = AsQueryField(queryUtf8);
    auto result = std::make_unique<LookupResult>();
    LookUpWord(query.data(), query.size(), state, dict, *result);
    if (result->outcome != LookupOutcome::Entry) return;
    auto view = std::make_unique<EntryView>();
    DecodeEntry(result->entry, result->length, result->file, dict.m_scrambleKey, *view);
    std::memcpy(state.m_headword, view->headword, sizeof state.m_headword);
    const std::size_t headwordLength = std::strlen(reinterpret_cast<const char*>(view->headword));
    std::cout << Cp1256ToUtf8(view->headword, headwordLength) << "\n";
    if (view->mode & kPanePersian) PrintPane("[fa]", view->persian);
    if (view->mode & kPaneEnglish) PrintPane("[en]", view->english);
}

int RunLookup(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << kUsage;
        return 2;
    }
    auto dict = std::make_unique<Dictionary>();
    if (!OpenDictionary(*dict)) return 1;
    LookupState state;
    if (argc == 3 && std::strcmp(argv[2], "-") == 0) {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            AnswerQuery(line, state, *dict);
            std::cout << "\n";
        }
        return 0;
    }
    for (int i = 2; i < argc; ++i) {
        if (i > 2) std::cout << "\n";
        AnswerQuery(argv[i], state, *dict);
    }
    return 0;
}

void PrintFileInfo(const FileCheck& check, const DataFileEdition& edition) {
    DictionaryFile file;
    const bool opened = file.Open(check.path, edition.indexBase);
    std::cout << edition.name << ":\n"
              << "  path:       " << check.path << "\n"
              << "  size:       " << (opened ? std::to_string(file.Size()) : "-") << "\n"
              << "  entries:    " << (opened ? std::to_string(file.EntryCount()) : "-") << "\n"
              << "  index base: " << edition.indexBase << "\n"
              << "  digest:     " << (check.digest.empty() ? "-" : check.digest) << "\n"
              << "  expected:   " << edition.digest << "\n"
              << "  check:      "
              << (check.passed ? "passed" : check.error.empty() ? "FAILED" : check.error)
              << "\n";
}

int RunInfo() {
    const DictionaryEdition& edition = edition::kEdition;
    const std::string folder = FindDataFolder(NIRA_INSTALL_DATADIR);
    const FileCheck persian = CheckFile(folder, edition.persian);
    const FileCheck english = CheckFile(folder, edition.english);
    PrintFileInfo(persian, edition.persian);
    PrintFileInfo(english, edition.english);
    std::cout << "content:\n" << ContentReport(edition::kContent, "  ");
    return persian.passed && english.passed ? 0 : 1;
}

int RunVersion() {
    std::cout << "nira " << NIRA_VERSION << "\n"
              << "  file version:  " << kFileVersion << "\n"
              << "  description:   " << kFileDescription << "\n"
              << "  internal name: " << kInternalName << "\n"
              << "  product:       " << kProductName << "\n";
    return 0;
}

bool Is(const char* arg, const char* name) { return std::strcmp(arg, name) == 0; }

}  // namespace

bool IsCommandLine(int argc, char** argv) {
    if (argc < 2) return false;
    const char* command = argv[1];
    return Is(command, "lookup") || Is(command, "info") || Is(command, "--help") ||
           Is(command, "-h") || Is(command, "help") || Is(command, "--version");
}

int RunCommandLine(int argc, char** argv) {
    const char* command = argv[1];
    if (Is(command, "lookup")) return RunLookup(argc, argv);
    if (Is(command, "info")) return RunInfo();
    if (Is(command, "--version")) return RunVersion();
    std::cout << kUsage;
    return 0;
}

}  // namespace nira
