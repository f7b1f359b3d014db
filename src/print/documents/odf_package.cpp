#include "print/documents/odf_package.h"

#include <zip.h>

#include <cstdio>
#include <memory>

namespace calvex::documents {

namespace {

struct SourceRelease {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceRelease>;

// Adds the bytes under the path; they must outlive the archive's closing.
bool addEntry(zip_t* archive, const std::string& path, const std::string& bytes, bool stored) {
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source) return false;
    const zip_int64_t index = zip_file_add(archive, path.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    // The fastest deflate level: the XML of a large report shrinks nearly as
    // well at it, in a fraction of the time.
    const zip_int32_t method = stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    return zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, stored ? 0 : 1) == 0;
}

// The bytes the closed archive left in its buffer.
std::optional<std::string> contents(zip_source_t* buffer) {
    if (zip_source_open(buffer) != 0) return std::nullopt;
    std::optional<std::string> bytes;
    if (zip_source_seek(buffer, 0, SEEK_END) == 0) {
        const zip_int64_t size = zip_source_tell(buffer);
        if (size >= 0 && zip_source_seek(buffer, 0, SEEK_SET) == 0) {
            std::string read(static_cast<std::size_t>(size), '\0');
            if (zip_source_read(buffer, read.data(), read.size()) == size) bytes = std::move(read);
        }
    }
    zip_source_close(buffer);
    return bytes;
}

} // namespace

std::optional<std::string> odfPackage(const std::string& mediaType, const std::vector<PackageEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    const Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_error_fini(&error);
    if (!buffer) return std::nullopt;
    // The buffer outlives the archive: it holds the package once closed.
    zip_source_keep(buffer.get());
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr);
    if (!archive) {
        zip_source_free(buffer.get());
        return std::nullopt;
    }
    bool added = addEntry(archive, "mimetype", mediaType, true);
    for (const PackageEntry& entry : entries) added = added && addEntry(archive, entry.path, entry.bytes, false);
    if (!added) {
        zip_discard(archive);
        return std::nullopt;
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return std::nullopt;
    }
    return contents(buffer.get());
}

} // namespace calvex::documents
