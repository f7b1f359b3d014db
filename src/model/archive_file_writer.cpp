#include "archive.h"
#include "durable_file.h"

namespace calvex {

ArchiveWriteResult writeArchiveFile(const std::filesystem::path& target, const ProjectData& project) {
    ArchiveWriteResult result;
    ArchiveEncoding encoding = encodeArchive(project);
    result.alteredFields = std::move(encoding.alteredFields);
    const DurableWriteResult written = writeFileDurably(target, encoding.bytes);
    result.ok = written.ok;
    result.error = written.error;
    return result;
}

} // namespace calvex
