#include "app/CommandLine.h"
#include "app/DictionaryApp.h"

int main(int argc, char** argv) {
    if (nira::IsCommandLine(argc, argv)) return nira::RunCommandLine(argc, argv);
    return RunDictionaryApp(argc, argv);
}
