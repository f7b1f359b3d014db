// calvex-batch: verifies, copies or reports on archive files without the windows.

#include <iostream>
#include <span>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "commands.h"
#include "exit_codes.h"

int main(int argc, char** argv) {
    using namespace calvex::cli;
#ifdef _WIN32
    // What is printed is the same bytes as on Linux, lines ending in "\n".
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage(std::cerr);
        return kExitFailure;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printUsage(std::cout);
        return kExitOk;
    }
    const std::span<const std::string> rest = std::span(args).subspan(1);
    if (args[0] == "verifica") return verifyCommand(rest, std::cout, std::cerr);
    if (args[0] == "copia") return copyCommand(rest, std::cerr);
    if (args[0] == "relazione") return reportCommand(rest, std::cerr);
    if (args[0] == "validazione") return validateCommand(rest, std::cerr);
    if (args[0] == "pianta") return planCommand(rest, std::cerr);
    printUsage(std::cerr);
    return kExitFailure;
}
