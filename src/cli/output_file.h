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

// What a command writes: its name in the messages ("della relazione"), what
// is made from the archive ("la relazione"), and the endings allowed (".pdf").
struct OutputKind {
    std::string_view fileOf;
    std::string_view madeFrom;
    std::span<const std::string_view> endings;
};

// The arguments "FILE -o OUT" of a command writing that kind of file;
// nothing, with the reason and the usage on `err`, when their form is wrong,
// the output's name has another ending or the output is the archive itself.
std::optional<OutputArguments> readOutputArguments(std::span<const std::string> args, const OutputKind& kind,
                                                   std::ostream& err);

// Whether the name ends with the extension, in any case.
bool endsWith(const std::string& name, std::string_view extension);

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
