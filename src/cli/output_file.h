#pragma once
// What the commands that write a file share: the arguments "FILE -o OUT"
// (in either order), the checks on the output's name, the file written
// whole, and a PDF drawn on A4 through the print layer without a display.

#include <QString>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace calvex {
class TextDevice;
} // namespace calvex

namespace calvex::cli {

struct OutputArguments {
    std::string file;
    std::string output;
};

std::optional<OutputArguments> parseOutputArguments(std::span<const std::string> args);

// Whether the name ends with the extension, in any case.
bool endsWith(const std::string& name, std::string_view extension);

// An output never goes over the archive it is made from (also when a link
// leads there): the message when it would.
std::optional<std::string> sameFileProblem(const OutputArguments& arguments, std::string_view madeFrom);

// The finished file put in the output's place whole, or a message naming it.
int writeOutput(const std::string& output, std::string_view bytes, std::ostream& err);

// Runs the command in a Qt application without a display (the one that
// exists, if any): drawing a PDF, or asking Qt where the program is, needs one.
int inOffscreenApplication(const std::function<int()>& command);

// Draws the pages with `draw` on an A4 PDF made in memory, and writes it
// only when whole, so that a failure never leaves a truncated file or
// spoils an earlier one.
int writePdf(const std::string& output, const QString& title, const std::function<void(TextDevice&)>& draw,
             std::ostream& err);

} // namespace calvex::cli
