#pragma once

#include "print/documents/word_document.h"

#include <span>
#include <string>
#include <string_view>

namespace calvex::documents {

// A help page or the help index as a document: the product name, the
// subtitle, "Guida: " and the title, then one paragraph for each text, all
// justified.
void buildHelpDocument(WordDocument& document, std::string_view productName, std::string_view title,
                       std::span<const std::string> paragraphs);

} // namespace calvex::documents
