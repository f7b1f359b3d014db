// Fuzz target: any bytes read as an archive, handed over and computed as
// the batch tool does, and written again. Nothing may crash, and what is
// written must read back to the same values: read(write(read(x))) holds
// what read(x) holds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "cli/general_handover.h"
#include "engine/engine.h"
#include "model/archive.h"

namespace {

using namespace calvex;

[[noreturn]] void fault() { std::abort(); }

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

    if (cli::handOverGeneralData(*read).passed)
        runEngine(*read, RunContext{true, read->currentFloor, read->currentWall, false});
    return 0;
}
