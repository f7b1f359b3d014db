#include "odt_xml_check.h"

#include <libxml/parser.h>
#include <zip.h>

#include <memory>
#include <optional>

namespace calvex::fuzz {

namespace {

struct ArchiveClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

std::optional<std::string> entry(zip_t* archive, const char* name) {
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) return std::nullopt;
    const std::unique_ptr<zip_file_t, FileClose> file(zip_fopen(archive, name, 0));
    if (!file) return std::nullopt;
    std::string bytes(stat.size, '\0');
    if (zip_fread(file.get(), bytes.data(), bytes.size()) != static_cast<zip_int64_t>(bytes.size()))
        return std::nullopt;
    return bytes;
}

bool wellFormed(const std::string& xml) {
    // Quietly, and without reaching for anything the text names.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    const std::unique_ptr<xmlDoc, DocumentFree> document(
        xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr, options));
    return document != nullptr;
}

} // namespace

bool odtStreamsWellFormed(const std::string& package) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, &error);
    zip_error_fini(&error);
    if (!source) return false;
    const std::unique_ptr<zip_t, ArchiveClose> archive(zip_open_from_source(source, ZIP_RDONLY, nullptr));
    if (!archive) {
        zip_source_free(source);
        return false;
    }
    for (const char* name : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"}) {
        const std::optional<std::string> xml = entry(archive.get(), name);
        if (!xml || !wellFormed(*xml)) return false;
    }
    return true;
}

} // namespace calvex::fuzz
