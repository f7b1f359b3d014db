#pragma once
// Copies of the help into a document of the word processor.

#include <QString>
#include <QStringList>

class QWidget;

namespace calvex {

class WindowHost;

// A document with the help title and its paragraphs, kept under the file
// name given and opened in the word processor; a message when it cannot be.
void openHelpDocument(WindowHost& host, QWidget* from, const QString& title, const QStringList& paragraphs,
                      const QString& fileName);

} // namespace calvex
