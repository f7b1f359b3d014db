#include "print/documents/help_document.h"

namespace calvex::documents {

void buildHelpDocument(WordDocument& document, std::string_view productName, std::string_view title,
                       std::span<const std::string> paragraphs) {
    std::string heading = "Guida: ";
    heading += title;
    document.setProperties(heading, productName);
    document.setFontName("Century Gothic");
    document.setFontSize(20);
    document.addParagraph(productName);
    document.setFontSize(16);
    document.addParagraph("");
    document.addParagraph("");
    document.addParagraph("verifica di edifici in muratura in zona sismica");
    document.addParagraph(heading);
    document.addParagraph("");
    document.setFontSize(12);
    for (const std::string& paragraph : paragraphs) document.addParagraph(paragraph);
    document.justifyParagraphs();
}

} // namespace calvex::documents
