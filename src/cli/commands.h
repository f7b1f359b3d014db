#pragma once
// The commands of calvex-batch. Each takes the arguments after its name and
// returns the exit status.

#include <ostream>
#include <span>
#include <string>

namespace calvex::cli {

// verifica FILE [--json]
int verifyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// relazione FILE -o OUT.pdf
int reportCommand(std::span<const std::string> args, std::ostream& err);

// validazione -o OUT.pdf
int validateCommand(std::span<const std::string> args, std::ostream& err);
// pianta FILE -o OUT.pdf
int planCommand(std::span<const std::string> args, std::ostream& err);

// copia IN OUT
int copyCommand(std::span<const std::string> args, std::ostream& err);

void printUsage(std::ostream& out);

} // namespace calvex::cli
