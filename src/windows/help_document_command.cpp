#include "windows/help_document_command.h"

#include <string>
#include <vector>

#include "print/documents/help_document.h"
#include "ui/app_texts.h"
#include "ui/window_host.h"

namespace calvex {

void openHelpDocument(WindowHost& host, QWidget* from, const QString& title, const QStringList& paragraphs,
                      const QString& fileName) {
    std::vector<std::string> texts;
    for (const QString& paragraph : paragraphs) texts.push_back(paragraph.toStdString());
    const std::optional<QString> failure =
        host.platform().openWordDocument(from, fileName, [&](documents::WordDocument& document) {
            documents::buildHelpDocument(document, app::kProductName.toStdString(), title.toStdString(), texts);
        });
    if (failure) host.platform().inform(from, app::kProductName, *failure, MessageIcon::critical);
}

} // namespace calvex
