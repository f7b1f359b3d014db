#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"

#include "engine/test_building.h"
#include "print/documents/odt_package_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace calvex {
namespace {

using testing::Element;
using testing::elementsOf;
using testing::paragraphTexts;
using testing::readPackage;

std::vector<Element> named(const std::vector<Element>& elements, const char* name) {
    std::vector<Element> found;
    std::copy_if(elements.begin(), elements.end(), std::back_inserter(found),
                 [name](const Element& e) { return e.name == QLatin1String(name); });
    return found;
}

// A length such as "8.2677in" or "21cm" in centimetres.
double centimetres(const QString& length) {
    if (length.endsWith(QLatin1String("in"))) return length.chopped(2).toDouble() * 2.54;
    if (length.endsWith(QLatin1String("cm"))) return length.chopped(2).toDouble();
    if (length.endsWith(QLatin1String("pt"))) return length.chopped(2).toDouble() / 72 * 2.54;
    return -1;
}

TEST(OdtWordDocument, WritesAPackageWithItsPagesFieldsAndTables) {
    documents::OdtWordDocument document;
    document.setProperties("Relazione di calcolo: Casa & figli", "Ing. Bianchi");
    document.setFontName("Century Gothic");
    document.setFontSize(20);
    document.addParagraph("VERIFICA <ANTISISMICA>");
    document.numberFollowingPages("pagina ");
    document.addPageBreak();
    document.addParagraph("somma degli sbalzi,  oltre");
    const int table = document.addTable(4, 2);
    document.setCell(table, 1, 1, "piano");
    document.setCell(table, 2, 1, "n.");
    document.setCell(table, 4, 2, " 3-X");
    document.setHeadingRows(table, 2);
    document.alignTable(table, documents::WordDocument::Alignment::right);
    document.addPageCountParagraph("composta di n. ", " pagine.");
    EXPECT_THROW(document.setCell(table, 5, 1, "fuori"), std::out_of_range);
    EXPECT_THROW(document.setCell(2, 1, 1, "nessuna"), std::out_of_range);

    const std::optional<std::string> bytes = document.package();
    ASSERT_TRUE(bytes.has_value());
    // Readers recognise the format from an uncompressed first entry.
    EXPECT_EQ(bytes->substr(30, 8 + 39), "mimetypeapplication/vnd.oasis.opendocument.text");
    const testing::OdtPackage package = readPackage(*bytes);
    ASSERT_FALSE(package.order.empty());
    EXPECT_EQ(package.order.front(), "mimetype");
    EXPECT_TRUE(package.mimetypeStored);
    for (const char* stream : {"content.xml", "styles.xml", "meta.xml", "META-INF/manifest.xml"}) {
        bool wellFormed = false;
        elementsOf(package.entries.at(stream), &wellFormed);
        EXPECT_TRUE(wellFormed) << stream;
    }

    const std::string& content = package.entries.at("content.xml");
    const std::vector<QString> texts = paragraphTexts(content);
    const std::vector<QString> expected{"VERIFICA <ANTISISMICA>",
                                        "somma degli sbalzi,  oltre",
                                        "piano",
                                        "",
                                        "n.",
                                        "",
                                        "",
                                        "",
                                        "",
                                        " 3-X",
                                        "composta di n. {page-count} pagine."};
    EXPECT_EQ(texts, expected);
    const std::vector<Element> elements = elementsOf(content);
    // Both heading rows in the one heading group, repeated on every page.
    EXPECT_EQ(named(elements, "table:table-header-rows").size(), 1u);
    EXPECT_EQ(testing::tableShapes(content), (std::vector<testing::TableShape>{{4, 2}}));
    for (const Element& row : named(elements, "style:table-row-properties"))
        EXPECT_EQ(row.attribute("fo:keep-together"), "always");
    for (const Element& cell : named(elements, "style:table-cell-properties"))
        EXPECT_FALSE(cell.attribute("fo:border").isEmpty());
    const auto right = named(elements, "style:paragraph-properties");
    EXPECT_TRUE(std::any_of(right.begin(), right.end(),
                            [](const Element& e) { return e.attribute("fo:text-align") == "end"; }));

    // A4, and a footer with the page number on the pages after the first.
    const std::vector<Element> styles = elementsOf(package.entries.at("styles.xml"));
    const std::vector<Element> layouts = named(styles, "style:page-layout-properties");
    ASSERT_FALSE(layouts.empty());
    EXPECT_NEAR(centimetres(layouts.back().attribute("fo:page-width")), 21.0, 0.01);
    EXPECT_NEAR(centimetres(layouts.back().attribute("fo:page-height")), 29.7, 0.01);
    const std::vector<QString> footers = paragraphTexts(package.entries.at("styles.xml"));
    EXPECT_NE(std::find(footers.begin(), footers.end(), QString("pagina {page-number}")), footers.end());
    EXPECT_EQ(named(styles, "style:footer").size(), 1u);

    const std::string& meta = package.entries.at("meta.xml");
    EXPECT_NE(meta.find("<dc:title>Relazione di calcolo: Casa &amp; figli</dc:title>"), std::string::npos);
    EXPECT_NE(meta.find("<dc:creator>Ing. Bianchi</dc:creator>"), std::string::npos);
}

// The properties element of the named style, of the kind given.
Element propertiesOf(const std::vector<Element>& elements, const QString& style, const char* kind) {
    const auto found = std::find_if(elements.begin(), elements.end(), [&](const Element& e) {
        return e.name == QLatin1String("style:style") && e.attribute("style:name") == style;
    });
    for (auto e = found; e != elements.end() && e + 1 != elements.end(); ++e) {
        if ((e + 1)->name == QLatin1String("style:style")) break;
        if ((e + 1)->name == QLatin1String(kind)) return *(e + 1);
    }
    return {};
}

TEST(OdtWordDocument, KeepsParagraphsWithTheNextBlockAndShortTablesWhole) {
    documents::OdtWordDocument document;
    document.addParagraph("B) DATI DEI SETTI");
    document.keepWithNext();
    const int legend = document.addTable(2, 2);
    document.keepTableWhole(legend);
    EXPECT_THROW(document.keepWithNext(), std::logic_error);
    document.addParagraph("libero");
    document.addTable(2, 2);
    EXPECT_THROW(document.keepTableWhole(3), std::out_of_range);

    const std::optional<std::string> bytes = document.package();
    ASSERT_TRUE(bytes.has_value());
    const std::vector<Element> elements = elementsOf(readPackage(*bytes).entries.at("content.xml"));

    // The paragraphs outside the tables are the first and the fourth.
    const std::vector<Element> paragraphs = named(elements, "text:p");
    ASSERT_EQ(paragraphs.size(), 1u + 4 + 1 + 4);
    const auto keep = [&](const Element& paragraph) {
        return propertiesOf(elements, paragraph.attribute("text:style-name"), "style:paragraph-properties")
            .attribute("fo:keep-with-next");
    };
    EXPECT_EQ(keep(paragraphs[0]), "always");
    EXPECT_EQ(keep(paragraphs[5]), "");

    const std::vector<Element> tables = named(elements, "table:table");
    ASSERT_EQ(tables.size(), 2u);
    const auto mayBreak = [&](const Element& table) {
        return propertiesOf(elements, table.attribute("table:style-name"), "style:table-properties")
            .attribute("style:may-break-between-rows");
    };
    EXPECT_EQ(mayBreak(tables[0]), "false");
    EXPECT_EQ(mayBreak(tables[1]), "");
}

TEST(OdtWordDocument, TheLargestBuildingsReportHasItsTenTablesFittingThePage) {
    testing::TestBuilding building(20, 50, 50);
    for (int storey = 1; storey <= 20; ++storey) {
        building.storey(storey, "3", "1.8");
        for (int wall = 1; wall <= 100; ++wall)
            building.wall(storey, wall,
                          testing::WallTexts{wall <= 50 ? "4" : "0.3", wall <= 50 ? "0.3" : "4",
                                             std::to_string(wall % 50), "10"});
    }
    ASSERT_TRUE(building.run(1).complete);
    documents::OdtWordDocument document;
    documents::buildReportDocument(document, *building.project, "Ing. Bianchi", NumberSymbols{});
    const std::optional<std::string> bytes = document.package();
    ASSERT_TRUE(bytes.has_value());
    const testing::OdtPackage package = readPackage(*bytes);
    const std::vector<Element> elements = elementsOf(package.entries.at("content.xml"));

    // The tables in order, with their rows and heading rows.
    const std::vector<testing::TableShape> shapes{{8, 1},  {8, 1},        {2 + 20, 2}, {13, 1}, {2 + 2000, 2},
                                                  {16, 1}, {2 + 2000, 2}, {8, 1},      {16, 1}, {2 + 20, 2}};
    EXPECT_EQ(testing::tableShapes(package.entries.at("content.xml")), shapes);
    // No table is wider than the text of the page.
    for (const Element& table : named(elements, "style:table-properties"))
        EXPECT_LE(centimetres(table.attribute("style:width")), 21.0 - 2 * 1.5 + 0.01);

    const std::vector<QString> texts = paragraphTexts(package.entries.at("content.xml"));
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        QString("La presente relazione \u00e8 composta di n. {page-count} pagine.")),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), QString(" 100-Y")), texts.end());
}

} // namespace
} // namespace calvex
