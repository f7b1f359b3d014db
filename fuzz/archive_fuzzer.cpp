// Fuzz target: any bytes read as an archive, handed over and computed as
// the batch tool does, and written again. Nothing may crash, and what is
// written must read back to the same values: read(write(read(x))) holds
// what read(x) holds. The editable report of a project read whole and
// computed to the end is written too, and its XML streams must be
// well-formed whatever the texts hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/general_handover.h"
#include "engine/engine.h"
#include "model/archive.h"
#include "odt_xml_check.h"
#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"

namespace {

using namespace calvex;

[[noreturn]] void fault() { std::abort(); }

// The input's last line as it is, NULs and bytes that are not UTF-8
// included, for the calculator's name: the archive's texts are decoded
// from Windows-1252 and never hold such bytes.
std::string_view lastLine(std::string_view bytes) {
    const std::size_t end = bytes.find_last_not_of("\r\n");
    if (end == std::string_view::npos) return {};
    const std::size_t lineEnd = bytes.find_last_of("\r\n", end);
    const std::size_t start = lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
    return bytes.substr(start, end + 1 - start);
}

void checkEditableReport(const ProjectData& project, std::string_view calculatorName) {
    documents::OdtWordDocument document;
    documents::buildReportDocument(document, project, calculatorName, {});
    const std::optional<std::string> package = document.package();
    if (!package || !fuzz::odtStreamsWellFormed(*package)) fault();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto read = std::make_unique<ProjectData>();
    const ArchiveReadResult first = readArchive(bytes, *read);
    if (!first.complete && (first.line < 1 || first.field < 1 || first.problem.empty())) fault();

    const ArchiveEncoding written = encodeArchive(*read);
    auto back = std::make_unique<ProjectData>();
    const ArchiveReadResult second = readArchive(written.bytes, *back);
    if (first.complete && !second.complete) fault();
    // The same values write the same bytes: texts as they are, numbers in
    // their shortest form, empty fields as nothing.
    const ArchiveEncoding rewritten = encodeArchive(*back);
    if (rewritten.bytes != written.bytes || !rewritten.alteredFields.empty()) fault();
    if (written.alteredFields.empty())
        for (int field = 0; field < kTitleFieldCount; ++field)
            if (back->title(static_cast<TitleField>(field)) != read->title(static_cast<TitleField>(field))) fault();

    if (cli::handOverGeneralData(*read).refusal) return 0;
    const RunOutcome run = runEngine(*read, RunContext{true, read->currentFloor, read->currentWall, false});
    if (first.complete && run.complete) checkEditableReport(*read, lastLine(bytes));
    return 0;
}
