#include "app/CommandLine.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "NiraEdition.h"
#include "app/Resource.h"
#include "dict/Lookup.h"
#include "digest/DigestCache.h"
#include "digest/Md5.h"
#include "platform/DataFolder.h"
#include "platform/FileException.h"
#include "present/ContentReport.h"
#include "present/EntryText.h"
#include "text/Cp1256.h"
#include "text/LowerCase.h"
#include "text/PersianDisplay.h"

namespace nira {

namespace {

const char* const kUsage =
    "Usage: nira                 open the dictionary window, or bring it to the front\n"
    "       nira WORD...         show WORD in the window (the one already open, if any)\n"
    "       nira lookup WORD...  look words up as the window does\n"
    "       nira lookup -        one query per line from standard input\n"
    "       nira info            the data files, their digest check and what they hold\n"
    "       nira --help | --version\n"
    "\n"
    "The data files \"persian\" and \"english\" are taken from $NIRA_DATA_DIR,\n"
    "else the current folder if both are there, else the program's folder,\n"
    "else <bin>/../share/nira beside it, else " NIRA_INSTALL_DATADIR ".\n";

constexpr std::size_t kInputBlockSize = 64 * 1024;

struct FileCheck {
    std::string path;
    std::string digest;   // empty when the file could not be read
    std::string error;    // why it could not be read
    bool passed = false;
};

// How a file's digest is had: `nira info` always reads the file; a lookup
// takes the digest remembered for the file's present state.
enum class DigestSource { Computed, Remembered };

FileCheck CheckFile(const std::string& folder, const DataFileEdition& edition,
                    DigestSource source) {
    FileCheck check;
    check.path = JoinPath(folder, edition.name);
    try {
        check.digest = source == DigestSource::Remembered
                           ? CheckedDigestOfFile(check.path, edition.digest, DigestCacheDir())
                           : CMd5::DigestOfFile(check.path);
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
    if (!ReportCheck(CheckFile(folder, edition.english, DigestSource::Remembered))) return false;
    if (!ReportCheck(CheckFile(folder, edition.persian, DigestSource::Remembered))) return false;
    dict.UseEdition(edition);
    if (!dict.OpenFiles(folder, edition)) {
        std::cerr << "nira: the data files in " << folder << " cannot be opened.\n";
        return false;
    }
    return true;
}

// A pane's text as printed: each "\r\n" line break of the pane a new line.
void PrintPane(const char* tag, const unsigned char* text) {
    const std::string utf8 = Cp1256ToDisplayUtf8(text, std::strlen(reinterpret_cast<const char*>(text)));
    std::cout << tag << "\n";
    std::size_t start = 0;
    for (std::size_t cr; (cr = utf8.find("\r\n", start)) != std::string::npos; start = cr + 1) {
        std::cout.write(utf8.data() + start, static_cast<std::streamsize>(cr - start));
    }
    std::cout.write(utf8.data() + start, static_cast<std::streamsize>(utf8.size() - start));
    std::cout << "\n";
}

// The query field's lower-case style, as the window applies it.
std::u16string AsQueryField(const std::string& queryUtf8) {
    return LowerCase(Utf8ToUtf16(queryUtf8));
}

// What one lookup needs besides the dictionary: the window's state and
// buffers made once, not for every query (they are large).
struct Lookup {
    LookupState state;
    std::unique_ptr<LookupResult> result = std::make_unique<LookupResult>();
    std::unique_ptr<EntryView> view = std::make_unique<EntryView>();
};

// Looks one query up as the query field would and prints the answer.
void AnswerQuery(const std::string& queryUtf8, Lookup& lookup, const Dictionary& dict) {
    const std::u16string query = AsQueryField(queryUtf8);
    LookupResult& result = *lookup.result;
    LookUpWord(query.data(), query.size(), lookup.state, dict, result);
    if (result.outcome != LookupOutcome::Entry) return;
    EntryView& view = *lookup.view;
    DecodeEntry(result.entry, result.length, result.file, dict.m_scrambleKey, view);
    std::memcpy(lookup.state.m_headword, view.headword, sizeof lookup.state.m_headword);
    const std::size_t headwordLength = std::strlen(reinterpret_cast<const char*>(view.headword));
    std::cout << Cp1256ToDisplayUtf8(view.headword, headwordLength) << "\n";
    if (view.mode & kPanePersian) PrintPane("[fa]", view.persian);
    if (view.mode & kPaneEnglish) PrintPane("[en]", view.english);
}

void AnswerLine(std::string line, Lookup& lookup, const Dictionary& dict) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    AnswerQuery(line, lookup, dict);
    std::cout << "\n";
}

// One query per line of standard input, read in large blocks. The answers
// are flushed whenever the lines read so far are answered, before reading
// on: a program that writes one query and waits gets its answer, and a long
// list costs one write per block rather than one per line.
void AnswerStandardInput(Lookup& lookup, const Dictionary& dict) {
    std::string pending;
    std::vector<char> block(kInputBlockSize);
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        pending.append(block.data(), static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
            AnswerLine(pending.substr(start, end - start), lookup, dict);
        }
        pending.erase(0, start);
        if (!std::cout.flush()) break;  // output lost (a full disk, a closed pipe): stop reading
    }
    if (!pending.empty()) AnswerLine(pending, lookup, dict);  // a last line without its end
}

int RunLookup(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << kUsage;
        return 2;
    }
    auto dict = std::make_unique<Dictionary>();
    if (!OpenDictionary(*dict)) return 1;
    Lookup lookup;
    if (argc == 3 && std::strcmp(argv[2], "-") == 0) {
        AnswerStandardInput(lookup, *dict);
        return 0;
    }
    for (int i = 2; i < argc; ++i) {
        if (i > 2) std::cout << "\n";
        AnswerQuery(argv[i], lookup, *dict);
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
    const FileCheck persian = CheckFile(folder, edition.persian, DigestSource::Computed);
    const FileCheck english = CheckFile(folder, edition.english, DigestSource::Computed);
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

namespace {

// Standard output written out in full, or status 1 with the reason: an
// answer lost to a full disk or a closed pipe is no success.
int FinishOutput(int status) {
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    const int error = errno;
    std::cerr << "nira: cannot write the output: "
              << (error != 0 ? std::strerror(error) : "write error") << "\n";
    return 1;
}

int RunCommand(int argc, char** argv) {
    const char* command = argv[1];
    if (Is(command, "lookup")) return RunLookup(argc, argv);
    if (Is(command, "info")) return RunInfo();
    if (Is(command, "--version")) return RunVersion();
    std::cout << kUsage;
    return 0;
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
    return FinishOutput(RunCommand(argc, argv));
}

}  // namespace nira
