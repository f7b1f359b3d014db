// pianta FILE -o OUT.pdf: the plan of every storey of an archive, one A4
// page each, printed to a PDF without a display and without questions; the
// numbers as the program shows them, with a decimal point.

#include <QDate>

#include "commands.h"
#include "exit_codes.h"
#include "loaded_project.h"
#include "model/numeric_text.h"
#include "output_file.h"
#include "print/device/text_device.h"
#include "print/printouts/plan_printout.h"

namespace calvex::cli {

int planCommand(std::span<const std::string> args, std::ostream& err) {
    static constexpr std::string_view kEndings[] = {".pdf"};
    const std::optional<OutputArguments> parsed =
        readOutputArguments(args, {"delle piante", "la pianta", kEndings}, err);
    if (!parsed) return kExitFailure;
    const LoadedProject loaded = loadAndCompute(parsed->file, err);
    if (!loaded.complete()) return kExitFailure;
    const std::string date = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    return writePdf(
        parsed->output, QStringLiteral("PIANTE DEI PIANI"),
        [&](TextDevice& device) { printouts::printBuildingPlans(device, *loaded.project, date, numberFieldText); },
        err);
}

} // namespace calvex::cli
