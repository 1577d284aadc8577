#include "app/CommandLine.h"
#include "app/DictionaryApp.h"
#include "platform/StandardStreams.h"

int main(int argc, char** argv) {
    nira::OpenStandardDescriptors();
    if (nira::IsCommandLine(argc, argv)) return nira::RunCommandLine(argc, argv);
    return RunDictionaryApp(argc, argv);
}
