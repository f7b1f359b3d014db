#include "print/documents/odf_xml_writer.h"

#include "print/device/printable_text.h"

#include <cstring>
#include <string_view>

namespace calvex::documents {

namespace {

constexpr std::string_view headingRows = "table:table-header-rows";

// The text as legal character data: printable, and with the characters
// that mark up escaped.
void appendEscaped(std::string& xml, std::string_view text) {
    for (const char c : printableText(text)) {
        switch (c) {
            case '&':
                xml += "&amp;";
                break;
            case '<':
                xml += "&lt;";
                break;
            case '>':
                xml += "&gt;";
                break;
            case '"':
                xml += "&quot;";
                break;
            default:
                xml += c;
        }
    }
}

void appendAttribute(std::string& xml, std::string_view name, std::string_view value) {
    xml += ' ';
    xml += name;
    xml += "=\"";
    appendEscaped(xml, value);
    xml += '"';
}

} // namespace

void OdfXmlWriter::startDocument() {
    xml_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    headingRowsPending_ = false;
}

void OdfXmlWriter::closePendingHeadingRows() {
    if (!headingRowsPending_) return;
    xml_ += "</";
    xml_ += headingRows;
    xml_ += '>';
    headingRowsPending_ = false;
}

void OdfXmlWriter::startElement(const char* name, const librevenge::RVNGPropertyList& attributes) {
    const std::string_view element = name;
    if (element == headingRows && headingRowsPending_) {
        headingRowsPending_ = false;
        return;
    }
    closePendingHeadingRows();
    xml_ += '<';
    xml_ += element;
    const bool rowProperties = element == "style:table-row-properties";
    librevenge::RVNGPropertyList::Iter attribute(attributes);
    for (attribute.rewind(); attribute.next();) {
        if (attribute.child()) continue;
        const std::string_view key = attribute.key();
        if (rowProperties && key == "fo:keep-together") continue;
        const librevenge::RVNGString value = attribute()->getStr();
        appendAttribute(xml_, key, std::string_view(value.cstr(), static_cast<std::size_t>(value.size())));
    }
    if (rowProperties) appendAttribute(xml_, "fo:keep-together", "always");
    if (element == "style:font-face" && !attributes["style:font-charset"]) {
        appendAttribute(xml_, "style:font-family-generic", "swiss");
        appendAttribute(xml_, "style:font-pitch", "variable");
    }
    xml_ += '>';
}

void OdfXmlWriter::endElement(const char* name) {
    closePendingHeadingRows();
    if (std::string_view(name) == headingRows) {
        headingRowsPending_ = true;
        return;
    }
    xml_ += "</";
    xml_ += name;
    xml_ += '>';
}

void OdfXmlWriter::characters(const librevenge::RVNGString& text) {
    closePendingHeadingRows();
    appendEscaped(xml_, std::string_view(text.cstr(), static_cast<std::size_t>(text.size())));
}

} // namespace calvex::documents
