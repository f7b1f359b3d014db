#pragma once

#include <libodfgen/libodfgen.hxx>

#include <string>

namespace calvex::documents {

// Writes the XML stream an OpenDocument generator produces into a string,
// with two amendments the generator cannot be asked for: table rows are
// kept whole on their page, and consecutive heading rows form the one
// heading group the format allows. Fonts name a sans-serif family to fall
// back on where they are missing. Every text and attribute value is written
// as printableText makes it, so the XML is well-formed whatever the texts
// hold.
class OdfXmlWriter : public OdfDocumentHandler {
public:
    void startDocument() override;
    void endDocument() override {}
    void startElement(const char* name, const librevenge::RVNGPropertyList& attributes) override;
    void endElement(const char* name) override;
    void characters(const librevenge::RVNGString& text) override;

    const std::string& xml() const { return xml_; }

private:
    void closePendingHeadingRows();

    std::string xml_;
    // A heading group closed, kept open in case the next row is a heading too.
    bool headingRowsPending_ = false;
};

} // namespace calvex::documents
