#pragma once
// Reads a written OpenDocument package back: its entries in order and the
// elements of its XML streams.

#include <QString>
#include <QXmlStreamReader>

#include <zip.h>

#include <map>
#include <string>
#include <vector>

namespace calvex::testing {

struct OdtPackage {
    std::vector<std::string> order; // entry names as stored
    std::map<std::string, std::string> entries;
    bool mimetypeStored = false;
};

inline OdtPackage readPackage(const std::string& bytes) {
    OdtPackage package;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source) zip_source_free(source);
        return package;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
        std::string contents(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        zip_fread(file, contents.data(), stat.size);
        zip_fclose(file);
        package.order.push_back(stat.name);
        if (package.order.size() == 1) package.mimetypeStored = stat.comp_method == ZIP_CM_STORE;
        package.entries[stat.name] = std::move(contents);
    }
    zip_discard(archive);
    return package;
}

// One element of an XML stream: its name, attributes and the text of its
// paragraphs, spaces written as elements counted in.
struct Element {
    QString name;
    QXmlStreamAttributes attributes;
    QString attribute(const char* qualified) const {
        for (const QXmlStreamAttribute& a : attributes)
            if (a.qualifiedName() == QLatin1String(qualified)) return a.value().toString();
        return {};
    }
};

inline std::vector<Element> elementsOf(const std::string& xml, bool* wellFormed = nullptr) {
    std::vector<Element> elements;
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement)
            elements.push_back({reader.qualifiedName().toString(), reader.attributes()});
    if (wellFormed) *wellFormed = !reader.hasError();
    return elements;
}

// The texts of the paragraphs in the stream, in order, with their spaces.
inline std::vector<QString> paragraphTexts(const std::string& xml) {
    std::vector<QString> texts;
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    int depth = 0;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (reader.qualifiedName() == QLatin1String("text:p")) {
                if (depth++ == 0) texts.emplace_back();
            } else if (depth > 0 && reader.qualifiedName() == QLatin1String("text:s")) {
                const QString count = reader.attributes().value(QLatin1String("text:c")).toString();
                texts.back() += QString(count.isEmpty() ? 1 : count.toInt(), QLatin1Char(' '));
            } else if (depth > 0 && reader.qualifiedName() == QLatin1String("text:page-count")) {
                texts.back() += QLatin1String("{page-count}");
            } else if (depth > 0 && reader.qualifiedName() == QLatin1String("text:page-number")) {
                texts.back() += QLatin1String("{page-number}");
            }
        } else if (token == QXmlStreamReader::EndElement && reader.qualifiedName() == QLatin1String("text:p")) {
            --depth;
        } else if (token == QXmlStreamReader::Characters && depth > 0) {
            texts.back() += reader.text();
        }
    }
    return texts;
}

// The rows of every table of the stream, and those among them in its
// heading group.
struct TableShape {
    int rows = 0;
    int headingRows = 0;
    bool operator==(const TableShape&) const = default;
};

inline std::vector<TableShape> tableShapes(const std::string& xml) {
    std::vector<TableShape> tables;
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    bool inHeading = false;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        const auto name = reader.qualifiedName();
        if (token == QXmlStreamReader::StartElement && name == QLatin1String("table:table")) {
            tables.emplace_back();
        } else if (name == QLatin1String("table:table-header-rows")) {
            inHeading = token == QXmlStreamReader::StartElement;
        } else if (token == QXmlStreamReader::StartElement && name == QLatin1String("table:table-row")) {
            ++tables.back().rows;
            tables.back().headingRows += inHeading ? 1 : 0;
        }
    }
    return tables;
}

} // namespace calvex::testing
