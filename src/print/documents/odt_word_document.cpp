#include "print/documents/odt_word_document.h"

#include "print/device/printable_text.h"
#include "print/documents/odf_package.h"
#include "print/documents/odf_xml_writer.h"
#include "print/documents/text_width.h"

#include <libodfgen/libodfgen.hxx>

#include <algorithm>
#include <functional>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string_view>

namespace calvex::documents {

namespace {

using librevenge::RVNG_POINT;
using librevenge::RVNGPropertyList;
using librevenge::RVNGPropertyListVector;

// A4, in points, with its margins.
constexpr double pageWidth = 595.28;
constexpr double pageHeight = 841.89;
constexpr double sideMargin = 42.52; // 1.5 cm
constexpr double topMargin = 42.52;
constexpr double bottomMargin = 28.35; // 1 cm, with the page number above it
constexpr double textWidth = pageWidth - 2 * sideMargin;

constexpr double cellPadding = 2.0;
constexpr double borderWidth = 0.5;
// Room a column keeps beyond its longest text and the cell's padding.
constexpr double columnSlack = 3.0;
// No column narrower than this, for the heading of a column of short numbers.
constexpr double narrowestColumn = 20.0;

const char* textAlign(WordDocument::Alignment alignment) {
    switch (alignment) {
        case WordDocument::Alignment::centre:
            return "center";
        case WordDocument::Alignment::right:
            return "end";
        case WordDocument::Alignment::left:
            break;
    }
    return "start";
}

RVNGPropertyList spanProperties(const OdtWordDocument::Font& font) {
    RVNGPropertyList span;
    if (!font.name.empty()) span.insert("style:font-name", font.name.c_str());
    span.insert("fo:font-size", font.size, RVNG_POINT);
    span.insert("fo:font-weight", font.bold ? "bold" : "normal");
    return span;
}

// The text, with every blank that a word processor would fold into the one
// before it (or drop at the start of a paragraph) written as a space of
// its own. The generator's strings end at a NUL: the text is made
// printable before it reaches them.
void insertText(librevenge::RVNGTextInterface& out, std::string_view original) {
    const std::string text = printableText(original);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ' || (i > 0 && text[i - 1] != ' ')) continue;
        if (i > start) out.insertText(std::string(text.substr(start, i - start)).c_str());
        out.insertSpace();
        start = i + 1;
    }
    if (start < text.size()) out.insertText(std::string(text.substr(start)).c_str());
}

void insertField(librevenge::RVNGTextInterface& out, const char* type) {
    RVNGPropertyList field;
    field.insert("librevenge:field-type", type);
    field.insert("style:num-format", "1");
    out.insertField(field);
}

RVNGPropertyList pageSpan() {
    RVNGPropertyList page;
    page.insert("fo:page-width", pageWidth, RVNG_POINT);
    page.insert("fo:page-height", pageHeight, RVNG_POINT);
    page.insert("fo:margin-left", sideMargin, RVNG_POINT);
    page.insert("fo:margin-right", sideMargin, RVNG_POINT);
    page.insert("fo:margin-top", topMargin, RVNG_POINT);
    page.insert("fo:margin-bottom", bottomMargin, RVNG_POINT);
    page.insert("style:print-orientation", "portrait");
    return page;
}

void writeFooter(librevenge::RVNGTextInterface& out, const std::string& caption, const OdtWordDocument::Font& font) {
    RVNGPropertyList footer;
    footer.insert("librevenge:occurrence", "all");
    out.openFooter(footer);
    RVNGPropertyList paragraph;
    paragraph.insert("fo:text-align", "end");
    paragraph.insert("fo:margin-top", 6.0, RVNG_POINT);
    out.openParagraph(paragraph);
    OdtWordDocument::Font footerFont = font;
    footerFont.size = 10;
    footerFont.bold = false;
    out.openSpan(spanProperties(footerFont));
    insertText(out, caption);
    insertField(out, "text:page-number");
    out.closeSpan();
    out.closeParagraph();
    out.closeFooter();
}

// A table too wide for the page takes the excess from its widest columns,
// those of the long texts that may run over two lines, cutting them down to
// one common width.
void fitToPage(std::vector<double>& widths) {
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (total <= textWidth) return;
    std::vector<double> widest = widths;
    std::sort(widest.begin(), widest.end(), std::greater<>());
    double cut = 0;
    for (std::size_t count = 1; count <= widest.size(); ++count) {
        cut += widest[count - 1];
        const double common = (textWidth - (total - cut)) / static_cast<double>(count);
        if (count == widest.size() || common >= widest[count]) {
            for (double& width : widths) width = std::min(width, common);
            return;
        }
    }
}

// Every column as wide as its longest text.
std::vector<double> columnWidths(const OdtWordDocument::Table& table) {
    std::vector<double> widths(static_cast<std::size_t>(table.columns), narrowestColumn);
    for (int row = 0; row < table.rows; ++row)
        for (int column = 0; column < table.columns; ++column) {
            const std::string& text = table.cells[static_cast<std::size_t>(row * table.columns + column)];
            const double width = textWidthPoints(text, table.font.size) + 2 * cellPadding + borderWidth + columnSlack;
            double& widest = widths[static_cast<std::size_t>(column)];
            widest = std::max(widest, width);
        }
    fitToPage(widths);
    return widths;
}

// The table's cells share one paragraph style and one text style, defined
// once under the table's number: looked up by it, they spare the generator
// matching the properties of each of the thousands of cells.
void writeTable(librevenge::RVNGTextInterface& out, const OdtWordDocument::Table& table, int number) {
    const std::vector<double> widths = columnWidths(table);
    RVNGPropertyListVector columns;
    for (const double width : widths) {
        RVNGPropertyList column;
        column.insert("style:column-width", width, RVNG_POINT);
        columns.append(column);
    }
    RVNGPropertyList properties;
    properties.insert("librevenge:table-columns", columns);
    properties.insert("style:width", std::accumulate(widths.begin(), widths.end(), 0.0), RVNG_POINT);
    properties.insert("table:align", "left");
    properties.insert("table:border-model", "collapsing");
    out.openTable(properties);

    RVNGPropertyList cell;
    cell.insert("fo:border", "0.5pt solid #000000");
    cell.insert("fo:padding", cellPadding, RVNG_POINT);
    RVNGPropertyList paragraphStyle;
    paragraphStyle.insert("fo:text-align", textAlign(table.alignment.value_or(WordDocument::Alignment::left)));
    paragraphStyle.insert("librevenge:paragraph-id", number);
    out.defineParagraphStyle(paragraphStyle);
    RVNGPropertyList textStyle = spanProperties(table.font);
    textStyle.insert("librevenge:span-id", number);
    out.defineCharacterStyle(textStyle);
    RVNGPropertyList paragraph;
    paragraph.insert("librevenge:paragraph-id", number);
    RVNGPropertyList span;
    span.insert("librevenge:span-id", number);
    for (int row = 0; row < table.rows; ++row) {
        RVNGPropertyList rowProperties;
        if (row < table.headingRows) rowProperties.insert("librevenge:is-header-row", true);
        out.openTableRow(rowProperties);
        for (int column = 0; column < table.columns; ++column) {
            out.openTableCell(cell);
            out.openParagraph(paragraph);
            out.openSpan(span);
            insertText(out, table.cells[static_cast<std::size_t>(row * table.columns + column)]);
            out.closeSpan();
            out.closeParagraph();
            out.closeTableCell();
        }
        out.closeTableRow();
    }
    out.closeTable();
}

// The generator has no property for a table that must not break between
// its rows: this handler passes the stream on, adding that property to the
// styles of the tables named.
class WholeTableStyles : public OdfDocumentHandler {
public:
    WholeTableStyles(OdfDocumentHandler& out, std::set<std::string> styleNames)
        : out_(out), styleNames_(std::move(styleNames)) {}

    void startDocument() override { out_.startDocument(); }
    void endDocument() override { out_.endDocument(); }
    void startElement(const char* name, const RVNGPropertyList& attributes) override {
        const std::string_view element = name;
        if (element == "style:style") {
            const librevenge::RVNGProperty* family = attributes["style:family"];
            const librevenge::RVNGProperty* styleName = attributes["style:name"];
            inWholeTable_ = family && styleName && std::string_view(family->getStr().cstr()) == "table" &&
                            styleNames_.contains(styleName->getStr().cstr());
        } else if (element == "style:table-properties" && inWholeTable_) {
            RVNGPropertyList amended(attributes);
            amended.insert("style:may-break-between-rows", "false");
            out_.startElement(name, amended);
            return;
        }
        out_.startElement(name, attributes);
    }
    void endElement(const char* name) override { out_.endElement(name); }
    void characters(const librevenge::RVNGString& text) override { out_.characters(text); }

private:
    OdfDocumentHandler& out_;
    std::set<std::string> styleNames_;
    bool inWholeTable_ = false;
};

// The generator names the style of each table after the table's place
// among the tables, from 0.
std::string tableStyleName(int number) { return "Table" + std::to_string(number - 1); }

} // namespace

void OdtWordDocument::addParagraph(std::string_view text) {
    Paragraph paragraph{std::string(text), font_, pageBreak_, false, std::nullopt, std::nullopt};
    if (pageBreak_ && pendingCaption_) {
        paragraph.numberedPages = std::move(pendingCaption_);
        pendingCaption_.reset();
    }
    blocks_.emplace_back(std::move(paragraph));
    pageBreak_ = false;
}

void OdtWordDocument::addPageCountParagraph(std::string_view before, std::string_view after) {
    addParagraph(before);
    std::get<Paragraph>(blocks_.back()).afterPageCount = std::string(after);
}

void OdtWordDocument::keepWithNext() {
    Paragraph* last = blocks_.empty() ? nullptr : std::get_if<Paragraph>(&blocks_.back());
    if (!last) throw std::logic_error("no paragraph to keep with the next block");
    last->keepWithNext = true;
}

int OdtWordDocument::addTable(int rows, int columns) {
    if (rows < 1 || columns < 1) throw std::invalid_argument("a table needs a row and a column");
    tables_.push_back(blocks_.size());
    blocks_.emplace_back(Table{rows, columns, font_, std::vector<std::string>(static_cast<std::size_t>(rows * columns)),
                               0, std::nullopt, false});
    return static_cast<int>(tables_.size());
}

OdtWordDocument::Table& OdtWordDocument::table(int number) {
    if (number < 1 || number > static_cast<int>(tables_.size())) throw std::out_of_range("no such table");
    return std::get<Table>(blocks_[tables_[static_cast<std::size_t>(number - 1)]]);
}

void OdtWordDocument::setCell(int number, int row, int column, std::string_view text) {
    Table& target = table(number);
    if (row < 1 || row > target.rows || column < 1 || column > target.columns)
        throw std::out_of_range("cell outside its table");
    target.cell(row, column) = std::string(text);
}

void OdtWordDocument::setHeadingRows(int number, int rows) {
    Table& target = table(number);
    target.headingRows = std::clamp(rows, 0, target.rows);
}

void OdtWordDocument::keepTableWhole(int number) { table(number).whole = true; }

void OdtWordDocument::alignTable(int number, Alignment alignment) { table(number).alignment = alignment; }

void OdtWordDocument::setProperties(std::string_view title, std::string_view author) {
    title_ = printableText(title);
    author_ = printableText(author);
}

std::optional<std::string> OdtWordDocument::package() const {
    OdfXmlWriter content;
    OdfXmlWriter styles;
    OdfXmlWriter meta;
    OdfXmlWriter manifest;
    std::set<std::string> wholeTables;
    for (int number = 1; number <= static_cast<int>(tables_.size()); ++number)
        if (std::get<Table>(blocks_[tables_[static_cast<std::size_t>(number - 1)]]).whole)
            wholeTables.insert(tableStyleName(number));
    WholeTableStyles contentStyles(content, std::move(wholeTables));
    OdtGenerator out;
    out.addDocumentHandler(&contentStyles, ODF_CONTENT_XML);
    out.addDocumentHandler(&styles, ODF_STYLES_XML);
    out.addDocumentHandler(&meta, ODF_META_XML);
    out.addDocumentHandler(&manifest, ODF_MANIFEST_XML);

    RVNGPropertyList properties;
    properties.insert("dc:title", title_.c_str());
    properties.insert("dc:creator", author_.c_str());
    properties.insert("meta:initial-creator", author_.c_str());
    out.setDocumentMetaData(properties);
    out.startDocument(RVNGPropertyList());
    out.openPageSpan(pageSpan());
    int tables = 0;
    for (const auto& block : blocks_) {
        if (const auto* table = std::get_if<Table>(&block)) {
            writeTable(out, *table, ++tables);
            continue;
        }
        const Paragraph& paragraph = std::get<Paragraph>(block);
        if (paragraph.numberedPages) {
            // A page span of its own starts on a new page.
            out.closePageSpan();
            out.openPageSpan(pageSpan());
            writeFooter(out, *paragraph.numberedPages, paragraph.font);
        }
        RVNGPropertyList properties;
        if (paragraph.pageBreak && !paragraph.numberedPages) properties.insert("fo:break-before", "page");
        if (justified_) properties.insert("fo:text-align", "justify");
        if (paragraph.keepWithNext) properties.insert("fo:keep-with-next", "always");
        out.openParagraph(properties);
        out.openSpan(spanProperties(paragraph.font));
        insertText(out, paragraph.text);
        if (paragraph.afterPageCount) {
            insertField(out, "text:page-count");
            insertText(out, *paragraph.afterPageCount);
        }
        out.closeSpan();
        out.closeParagraph();
    }
    out.closePageSpan();
    out.endDocument();

    return odfPackage("application/vnd.oasis.opendocument.text", {{"content.xml", content.xml()},
                                                                  {"styles.xml", styles.xml()},
                                                                  {"meta.xml", meta.xml()},
                                                                  {"META-INF/manifest.xml", manifest.xml()}});
}

} // namespace calvex::documents
