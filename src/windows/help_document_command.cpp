#include "windows/help_document_command.h"

#include <string>
#include <vector>

#include "print/documents/help_document.h"
#include "shell/app_texts.h"
#include "shell/shell.h"

namespace calvex {

void openHelpDocument(Shell& shell, QWidget* from, const QString& title, const QStringList& paragraphs,
                      const QString& fileName) {
    std::vector<std::string> texts;
    for (const QString& paragraph : paragraphs) texts.push_back(paragraph.toStdString());
    const std::optional<QString> failure =
        shell.platform().openWordDocument(from, fileName, [&](documents::WordDocument& document) {
            documents::buildHelpDocument(document, app::kProductName.toStdString(), title.toStdString(), texts);
        });
    if (failure) shell.platform().inform(from, app::kProductName, *failure, MessageIcon::critical);
}

} // namespace calvex
