// The `nira` program: the command line runs here without Qt; the window is
// loaded from its module only when it is to be opened.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/CommandLine.h"
#include "app/EarlyHandOff.h"
#include "app/WindowModule.h"
#include "platform/DataFolder.h"
#include "platform/StandardStreams.h"

namespace {

// Beside the program (the build tree), then where it is installed. The
// error kept is that of a module present but not loadable, if any.
void* LoadWindowModule(std::string& error) {
    const std::string dir = nira::ExecutableDir();
    if (dir.empty()) {
        error = "the program's folder is unknown";
        return nullptr;
    }
    bool present = false;
    for (const std::string& folder : {dir, nira::JoinPath(dir, NIRA_WINDOW_MODULE_DIR)}) {
        const std::string path = nira::JoinPath(folder, NIRA_WINDOW_MODULE);
        if (void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
        const char* why = dlerror();
        if (present) continue;
        present = access(path.c_str(), F_OK) == 0;
        error = why != nullptr ? why : path;
    }
    return nullptr;
}

int RunWindow(int argc, char** argv) {
    std::string error;
    void* module = LoadWindowModule(error);
    auto run = module != nullptr
                   ? reinterpret_cast<RunWindowFunction>(dlsym(module, kRunWindowSymbol))
                   : nullptr;
    if (run == nullptr) {
        std::fprintf(stderr, "nira: the window cannot be loaded: %s\n",
                     error.empty() ? kRunWindowSymbol : error.c_str());
        return 1;
    }
    return run(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    nira::OpenStandardDescriptors();
    if (nira::IsCommandLine(argc, argv)) return nira::RunCommandLine(argc, argv);
    if (nira::HandOverBeforeLoadingWindow(argc, argv)) return 0;
    return RunWindow(argc, argv);
}
