// validazione -o OUT.pdf: runs every case of the casebook installed with the
// program's data and prints the casebook with the values obtained.

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "casebook_folder.h"
#include "casebook_printout.h"
#include "commands.h"
#include "exit_codes.h"
#include "output_file.h"
#include "print/device/text_device.h"
#include "print/qt/local_path.h"

namespace calvex::cli {

namespace {

// Where the build copies the casebook and the package installs it.
std::filesystem::path casebookFolder() {
    return qt::localPath(casebookFolderFor(QCoreApplication::applicationDirPath()));
}

std::string today() {
    return QLocale(QLocale::Italian, QLocale::Italy)
        .toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"))
        .toStdString();
}

std::vector<CaseOutcome> checkCasebook(const std::filesystem::path& casebook, std::ostream& err) {
    std::vector<CaseOutcome> outcomes;
    for (const std::filesystem::path& folder : caseFolders(casebook)) {
        // The archive's own warnings are left out: a case that cannot be
        // run is named with its reason below.
        std::ostringstream archiveMessages;
        CaseOutcome outcome = checkCase(readCase(folder), archiveMessages);
        if (!outcome.problem.empty())
            err << "calvex-batch: caso " << outcome.validationCase.name << ": " << outcome.problem << '\n';
        for (const CheckedValue& value : outcome.values)
            if (!value.passed)
                err << "calvex-batch: caso " << outcome.validationCase.name << ": " << value.expected.quantity
                    << " piano " << value.expected.storey << " setto " << value.expected.wall << ": atteso "
                    << value.expected.text << ", ottenuto " << value.obtainedText() << '\n';
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

} // namespace

int validateCommand(std::span<const std::string> args, std::ostream& err) {
    if (args.size() != 2 || args[0] != "-o" || !endsWith(args[1], ".pdf")) {
        printUsage(err);
        return kExitFailure;
    }
    const std::string& output = args[1];
    // The casebook is found beside the program, which Qt tells once its
    // application is made.
    return inOffscreenApplication([&] {
        const std::filesystem::path casebook = casebookFolder();
        const std::vector<CaseOutcome> outcomes = checkCasebook(casebook, err);
        if (outcomes.empty()) {
            err << "calvex-batch: " << casebook.string() << ": nessun caso prova trovato\n";
            return kExitFailure;
        }
        const int written = writePdf(
            output, QStringLiteral("VALIDAZIONE: CASI PROVA"),
            [&](TextDevice& device) {
                printCasebook(device, outcomes, {CALVEX_VERSION, today()});
            },
            err);
        if (written != kExitOk) return written;
        const bool allPassed =
            std::all_of(outcomes.begin(), outcomes.end(), [](const CaseOutcome& o) { return o.passed(); });
        return allPassed ? kExitOk : kExitNotVerified;
    });
}

} // namespace calvex::cli
